#pragma once
// A picture as a PNG file.

#include <string>

#include "render/rgb_image.h"

namespace gridlet {

// Returns an empty text on success, else why the file could not be written.
std::string WritePng(const RgbImage& image, const std::string& path);

// The bytes of the PNG file; empty when the picture is empty or cannot be encoded.
std::string EncodePng(const RgbImage& image);

}  // namespace gridlet
