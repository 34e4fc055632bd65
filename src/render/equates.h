#pragma once
// The built-in equates the generated code uses: colour names (red in the low byte) and $DQ.

#include <string_view>

#include "render/values.h"

namespace gridlet {

// Throws RenderError for an equate the renderer does not know.
Value EquateValue(std::string_view upperName);

}  // namespace gridlet
