#pragma once
// A colour by its red, green and blue, and the colour reference the generated code and the
// properties carry: red in the low byte, then green, then blue.

#include <cstdint>

namespace gridlet {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

constexpr std::uint32_t ColourReference(Rgb colour) {
    return static_cast<std::uint32_t>(colour.red) |
           (static_cast<std::uint32_t>(colour.green) << 8) |
           (static_cast<std::uint32_t>(colour.blue) << 16);
}

// Bytes above the third are not part of the colour.
constexpr Rgb FromColourReference(std::uint32_t reference) {
    return {static_cast<std::uint8_t>(reference & 0xFF),
            static_cast<std::uint8_t>((reference >> 8) & 0xFF),
            static_cast<std::uint8_t>((reference >> 16) & 0xFF)};
}

}  // namespace gridlet
