#include "platform/cp1252.h"

#include <array>

#include "platform/cp437.h"

namespace gridlet {
namespace {

// The characters of bytes 0x80-0x9F; every other byte is the code point of its own number.
constexpr std::array<char32_t, 32> kHighRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t Cp1252ToUnicode(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHighRange[byte - 0x80] : byte;
}

char Cp1252Of(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<char>(codePoint);
    for (std::size_t i = 0; i < kHighRange.size(); ++i) {
        if (kHighRange[i] == codePoint) return static_cast<char>(0x80 + i);
    }
    return '?';
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char byte : text) AppendUtf8(out, Cp1252ToUnicode(static_cast<unsigned char>(byte)));
    return out;
}

std::string Utf8ToCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) out += Cp1252Of(DecodeUtf8(text, pos));
    return out;
}

}  // namespace gridlet
