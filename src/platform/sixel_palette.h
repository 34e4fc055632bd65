#pragma once
// Sixels for a picture of few colours, each colour a register of its own, so that none is lost
// to a palette chosen from samples.

#include <optional>
#include <string>

#include "platform/picture.h"

namespace gridlet {

// The picture stretched to width x height pixels (nearest pixel), as a sixel image: nothing when
// it holds more colours than a sixel terminal has registers.
std::optional<std::string> ExactSixels(const PictureView& picture, int width, int height);

}  // namespace gridlet
