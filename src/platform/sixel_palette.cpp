#include "platform/sixel_palette.h"

#include <cmath>
#include <cstdint>
#include <map>
#include <vector>

namespace gridlet {
namespace {

// The registers a sixel terminal is sure to have.
constexpr std::size_t kRegisters = 256;
constexpr int kBand = 6;          // pixel rows in one sixel
constexpr char kSixelBase = '?';  // the sixel of no pixel
constexpr int kShortestRepeat = 4;

std::uint32_t PixelAt(const PictureView& picture, int x, int y) {
    const std::size_t i = (static_cast<std::size_t>(y) * picture.width + x) * 3;
    return static_cast<std::uint32_t>(picture.rgb[i]) << 16 |
           static_cast<std::uint32_t>(picture.rgb[i + 1]) << 8 | picture.rgb[i + 2];
}

// Sixel colours are percentages.
int Percent(std::uint32_t colour, int shift) {
    return static_cast<int>(std::lround(((colour >> shift) & 0xFF) * 100.0 / 255.0));
}

void AppendRun(std::string& out, char sixel, int count) {
    if (count >= kShortestRepeat) {
        out += '!' + std::to_string(count) + sixel;
    } else {
        out.append(static_cast<std::size_t>(count), sixel);
    }
}

}  // namespace

std::optional<std::string> ExactSixels(const PictureView& picture, int width, int height) {
    // Register of each pixel, the picture stretched.
    std::map<std::uint32_t, int> registers;
    std::vector<int> pixels(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const int sourceY = static_cast<int>(static_cast<long long>(y) * picture.height / height);
        for (int x = 0; x < width; ++x) {
            const int sourceX = static_cast<int>(static_cast<long long>(x) * picture.width / width);
            const auto [entry, added] = registers.try_emplace(PixelAt(picture, sourceX, sourceY),
                                                              static_cast<int>(registers.size()));
            if (registers.size() > kRegisters) return std::nullopt;
            pixels[static_cast<std::size_t>(y) * width + x] = entry->second;
        }
    }

    std::string out = "\x1bP0;1;0q\"1;1;" + std::to_string(width) + ";" + std::to_string(height);
    for (const auto& [colour, index] : registers) {
        out += '#' + std::to_string(index) + ";2;" + std::to_string(Percent(colour, 16)) + ";" +
               std::to_string(Percent(colour, 8)) + ";" + std::to_string(Percent(colour, 0));
    }
    for (int top = 0; top < height; top += kBand) {
        if (top > 0) out += '-';
        // Each register's sixels across the band, in one pass over its pixels.
        std::map<int, std::vector<std::uint8_t>> rows;
        for (int bit = 0; bit < kBand && top + bit < height; ++bit) {
            for (int x = 0; x < width; ++x) {
                const int pixel = pixels[static_cast<std::size_t>(top + bit) * width + x];
                auto [entry, added] = rows.try_emplace(pixel);
                if (added) entry->second.resize(static_cast<std::size_t>(width));
                entry->second[static_cast<std::size_t>(x)] |= static_cast<std::uint8_t>(1 << bit);
            }
        }
        for (const auto& [index, bits] : rows) {
            out += '#' + std::to_string(index);
            for (int x = 0; x < width;) {
                int end = x + 1;
                while (end < width &&
                       bits[static_cast<std::size_t>(end)] == bits[static_cast<std::size_t>(x)])
                    ++end;
                AppendRun(out, static_cast<char>(kSixelBase + bits[static_cast<std::size_t>(x)]),
                          end - x);
                x = end;
            }
            out += '$';
        }
    }
    out += "\x1b\\";
    return out;
}

}  // namespace gridlet
