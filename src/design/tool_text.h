#pragma once
// The text tool: a text typed over the marked area, cut into lines that fit it.

#include <cstdint>

#include "design/tool_course.h"
#include "interact/context.h"

namespace gridlet {

// Where in its first cell a text starts.
constexpr PixelOffset kTextOffset{5, 2};

// The column a text placed from the right strip may reach: as many characters of the chosen
// point size as the area's pixels hold. Without a size the area's right column.
std::int32_t FontColumnLimit(int left, int right, float pointSize);

// pendingStatement := the block of the entered text at x1, y1, its lines reaching
// lineLimitColumn; the text locals join localDecls.
void BuildTextStatement(Context& context);

void TextTool(Context& context);

}  // namespace gridlet
