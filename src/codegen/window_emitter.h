#pragma once
// The routine header, the GRAPHIC WINDOW statements and the window background, written once when
// the graphic window is made from the marked area.

#include <cstdint>
#include <string>

#include "model/properties.h"
#include "platform/cell_rect.h"

namespace gridlet {

struct WindowTexts {
    std::int32_t windowX = 0;
    std::int32_t windowY = 0;
    std::int32_t windowWidth = 0;
    std::int32_t windowHeight = 0;
    std::string subHeader;
    std::string windowCode;
    std::string windowBackgroundCode;
};

// The window for the marked area, with its background from the properties: written over the
// background given, or, for a frame box, appended to it. The box is tagged with objectNumber.
WindowTexts EmitWindow(const CellRect& area, const Properties& properties,
                       std::int32_t objectNumber, const std::string& windowBackgroundCode);

}  // namespace gridlet
