#pragma once
// The xterm 256-colour palette's fixed part: the 6 x 6 x 6 colour cube (16-231) and the grey
// ramp (232-255). The first 16 follow the terminal's theme, so no colour is matched to them.

#include <cstdint>

namespace gridlet {

// The palette index whose colour is nearest to a 24-bit colour (0xRRGGBB).
int NearestPaletteIndex(std::int32_t rgb);

}  // namespace gridlet
