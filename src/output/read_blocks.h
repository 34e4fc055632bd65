#pragma once
// A design file's tagged code read back as the objects that wrote it. Each block ends with its
// tag line ("' [[ n ]]", or the paint replace's "'n ENDPAINT") and a blank line; a block is an
// object when the values read from it build it again byte for byte. Whatever else the code holds
// (a block changed by hand, code between blocks) is kept as written.

#include <span>
#include <string_view>
#include <vector>

#include "model/design_object.h"

namespace gridlet {

// The pieces the code is made of, in its order: objects of the given kinds, with their number,
// values, block and build form, and between them code kept as written, as one piece of keptKind
// for each stretch. Their blocks joined are the code.
std::vector<DesignObject> ReadTaggedBlocks(std::string_view code, std::span<const ObjectKind> kinds,
                                           ObjectKind keptKind);

// A piece of code kept as written.
DesignObject KeptAsWritten(ObjectKind kind, std::string_view code);

}  // namespace gridlet
