#pragma once
// Writes a picture as a PNG file.

#include <string>

#include "render/rgb_image.h"

namespace gridlet {

// Returns an empty text on success, else why the file could not be written.
std::string WritePng(const RgbImage& image, const std::string& path);

}  // namespace gridlet
