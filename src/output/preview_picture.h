#pragma once
// The built-in preview on the screen: the picture the program draws, over the design, with a
// title row above it and the statements not drawn under it.

#include <string>
#include <vector>

#include "interact/context.h"
#include "render/render_program.h"

namespace gridlet {

// The title row: what is shown, its size in pixels, the picture file's name and how to close it.
std::string PreviewTitle(const RenderResult& result, const std::string& pngName);

// The rows that list the statements not drawn, with their line numbers, at most maxRows; a list
// that is longer ends with a row that says how many more there are. Code page 437, cut to the
// screen's width: the reason comes before the statement, which may be long.
std::vector<std::string> NotDrawnRows(const std::vector<NotDrawn>& notDrawn, int maxRows);

// Shows it until a key or a click, then puts the screen back as it was.
void ShowPreviewPicture(Context& context, const RenderResult& result, const std::string& pngName);

}  // namespace gridlet
