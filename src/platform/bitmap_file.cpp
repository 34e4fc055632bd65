#include "platform/bitmap_file.h"

#include <cstdint>
#include <fstream>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wconversion"
#pragma GCC diagnostic ignored "-Wsign-conversion"
#pragma GCC diagnostic ignored "-Wshadow"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wdouble-promotion"
#define STB_IMAGE_IMPLEMENTATION
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#include <stb_image.h>
#pragma GCC diagnostic pop

namespace gridlet {
namespace {

// Wider or taller bitmaps count as unreadable: a header claiming more is most likely corrupt,
// and its outline would cover thousands of grid cells.
constexpr std::int64_t kLargestSide = 32767;

// A bitmap stored top row first has a negative height in its header; a corrupt header may give
// sizes no bitmap has, which count as unreadable.
BitmapSize Sized(std::int64_t width, std::int64_t height) {
    height = height < 0 ? -height : height;
    if (width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide) return {};
    return {static_cast<std::int32_t>(width), static_cast<std::int32_t>(height)};
}

std::uint32_t LittleEndian(const unsigned char* bytes, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | bytes[i];
    return value;
}

// stb_image reads no run-length encoded bitmap, so their size comes from the headers.
BitmapSize RunLengthBitmapSize(const std::string& path) {
    unsigned char header[34] = {};
    std::ifstream file(path, std::ios::binary);
    if (!file.read(reinterpret_cast<char*>(header), sizeof header)) return {};
    const std::uint32_t compression = LittleEndian(header + 30, 4);
    if (header[0] != 'B' || header[1] != 'M' || LittleEndian(header + 14, 4) < 40 ||
        (compression != 1 && compression != 2)) {
        return {};
    }
    return Sized(static_cast<std::int32_t>(LittleEndian(header + 18, 4)),
                 static_cast<std::int32_t>(LittleEndian(header + 22, 4)));
}

}  // namespace

BitmapSize ReadBitmapSize(const std::string& path) {
    int width = 0, height = 0, channels = 0;
    if (stbi_info(path.c_str(), &width, &height, &channels) == 0) return RunLengthBitmapSize(path);
    return Sized(width, height);
}

std::optional<BitmapPixels> ReadBitmapPixels(const std::string& path) {
    const BitmapSize size = ReadBitmapSize(path);
    if (size.width == 0) return std::nullopt;
    int width = 0, height = 0, channels = 0;
    stbi_uc* data = stbi_load(path.c_str(), &width, &height, &channels, 3);
    if (data == nullptr) return std::nullopt;
    BitmapPixels pixels{width, height, {}};
    pixels.rgb.assign(data, data + static_cast<std::size_t>(width) * height * 3);
    stbi_image_free(data);
    return pixels;
}

}  // namespace gridlet
