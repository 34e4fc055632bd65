#pragma once
// What the objects panel lists: the design's objects newest first, and the row that shows one.

#include <cstddef>
#include <string>
#include <vector>

#include "model/design.h"

namespace gridlet {

// The places in design.objects of the objects the panel lists, the highest number first: all but
// what an undone or deleted string variable leaves behind.
std::vector<std::size_t> ListedObjects(const Design& design);

// An object's row in code page 437, cut or padded to width: its number, kind, position in pixels
// and colours ("at back" before them once sent to the back); a text's first words, a string
// variable's name or a bitmap's file. Code of a design file that could not be read back as values
// shows as kept as written.
std::string ObjectRow(const DesignObject& object, std::size_t width);

}  // namespace gridlet
