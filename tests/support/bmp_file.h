#pragma once
// Writes small uncompressed 24-bit BMP files for the tests that need a bitmap on disk.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace gridlet {

inline void WriteBmp(const std::filesystem::path& path, std::int32_t width, std::int32_t height) {
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) / 4 * 4;
    const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(height);
    std::string bytes;
    auto put = [&bytes](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    bytes += "BM";
    put(54 + pixelBytes, 4);
    put(0, 4);
    put(54, 4);  // pixels follow the two headers
    put(40, 4);
    put(static_cast<std::uint32_t>(width), 4);
    put(static_cast<std::uint32_t>(height), 4);
    put(1, 2);   // planes
    put(24, 2);  // bits a pixel
    put(0, 4);   // no compression
    put(pixelBytes, 4);
    put(2835, 4);
    put(2835, 4);
    put(0, 4);
    put(0, 4);
    bytes.append(pixelBytes, '\x7F');
    std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace gridlet
