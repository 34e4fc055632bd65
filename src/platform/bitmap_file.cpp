#include "platform/bitmap_file.h"

#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <memory>

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

constexpr std::uint64_t kLargestPixels = 64'000'000;
constexpr std::uint64_t kLargestExpansion = 1000;
constexpr std::uint64_t kDecodedPixelBytes = 3;
constexpr std::uint32_t kNoCompression = 0;
constexpr std::uint32_t kBitFields = 3;

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

// Where an uncompressed bitmap's pixels end, from its headers: the last row without the padding
// after it. 0 for any other file.
std::uint64_t UncompressedPixelsEnd(FILE* file) {
    unsigned char header[34] = {};
    const bool read = std::fread(header, sizeof header, 1, file) == 1;
    std::rewind(file);
    const std::uint32_t compression = LittleEndian(header + 30, 4);
    if (!read || header[0] != 'B' || header[1] != 'M' || LittleEndian(header + 14, 4) < 40 ||
        (compression != kNoCompression && compression != kBitFields)) {
        return 0;
    }
    const std::uint64_t width = LittleEndian(header + 18, 4);
    const auto height = static_cast<std::int32_t>(LittleEndian(header + 22, 4));
    const std::uint64_t rows = height < 0 ? -static_cast<std::int64_t>(height) : height;
    if (width == 0 || rows == 0) return 0;
    const std::uint64_t rowBits = width * LittleEndian(header + 28, 2);
    const std::uint64_t rowBytes = (rowBits + 31) / 32 * 4;
    return LittleEndian(header + 10, 4) + rowBytes * (rows - 1) + (rowBits + 7) / 8;
}

// Decoding is refused where it would make far more than the file holds, before any of it.
void RefuseBombs(FILE* file, int width, int height, std::uint64_t fileBytes) {
    const std::string size = std::to_string(width) + " x " + std::to_string(height) + " pixels";
    const auto pixels = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height);
    if (pixels > kLargestPixels) throw BitmapRefused(size + ": more than 64 megapixels");
    if (pixels * kDecodedPixelBytes > kLargestExpansion * fileBytes) {
        throw BitmapRefused(size + " from " + std::to_string(fileBytes) +
                            " bytes: more than 1,000 times the file");
    }
    const std::uint64_t end = UncompressedPixelsEnd(file);
    if (fileBytes < end) {
        throw BitmapRefused("the file holds " + std::to_string(fileBytes) + " of the " +
                            std::to_string(end) + " bytes its pixels need");
    }
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
    const std::unique_ptr<FILE, decltype(&std::fclose)> file(std::fopen(path.c_str(), "rb"),
                                                             std::fclose);
    struct stat info {};
    if (!file || fstat(fileno(file.get()), &info) != 0) return std::nullopt;
    int width = 0, height = 0, channels = 0;
    if (stbi_info_from_file(file.get(), &width, &height, &channels) == 0) return std::nullopt;
    RefuseBombs(file.get(), width, height, static_cast<std::uint64_t>(info.st_size));
    stbi_uc* data = stbi_load_from_file(file.get(), &width, &height, &channels, 3);
    if (data == nullptr) return std::nullopt;
    BitmapPixels pixels{width, height, {}};
    pixels.rgb.assign(data, data + static_cast<std::size_t>(width) * height * 3);
    stbi_image_free(data);
    return pixels;
}

}  // namespace gridlet
