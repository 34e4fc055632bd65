#include "render/equates.h"

#include <string>

#include "render/render_error.h"

namespace gridlet {

Value EquateValue(std::string_view upperName) {
    struct Colour {
        std::string_view name;
        long value;
    };
    static constexpr Colour kColours[] = {
        {"%BLACK", 0x000000}, {"%BLUE", 0xFF0000},    {"%GREEN", 0x00FF00},  {"%CYAN", 0xFFFF00},
        {"%RED", 0x0000FF},   {"%MAGENTA", 0xFF00FF}, {"%YELLOW", 0x00FFFF}, {"%WHITE", 0xFFFFFF},
        {"%GRAY", 0x808080},  {"%LTGRAY", 0xC0C0C0},
    };
    for (const Colour& colour : kColours) {
        if (colour.name == upperName) return static_cast<long double>(colour.value);
    }
    if (upperName == "$DQ") return std::string("\"");
    throw RenderError("unknown equate " + std::string(upperName));
}

}  // namespace gridlet
