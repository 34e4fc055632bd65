#include "dialogs/windows1252.h"

#include <array>

#include "platform/console.h"
#include "platform/cp437.h"

namespace gridlet {
namespace {

// Code points of the bytes 128 to 159; 0 where the code page leaves the byte undefined.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t CodePointOf(char ch) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80];
    return byte;
}

char FromCodePoint(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<char>(codePoint);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] != 0 && kHighControls[i] == codePoint)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

}  // namespace

std::string Utf8ToWindows1252(std::string_view utf8) {
    std::string out;
    std::size_t pos = 0;
    while (pos < utf8.size()) out += FromCodePoint(DecodeUtf8(utf8, pos));
    return out;
}

std::string Windows1252ToUtf8(std::string_view text) {
    std::string out;
    for (char ch : text) {
        const char32_t codePoint = CodePointOf(ch);
        AppendUtf8(out, codePoint == 0 && ch != '\0' ? U'?' : codePoint);
    }
    return out;
}

std::uint8_t Windows1252ToCp437(char ch) {
    if (static_cast<unsigned char>(ch) < 0x80) return static_cast<std::uint8_t>(ch);
    return UnicodeToCp437(CodePointOf(ch)).value_or(static_cast<std::uint8_t>('?'));
}

std::string Windows1252ToCp437(std::string_view text) {
    std::string out;
    for (char ch : text) out += static_cast<char>(Windows1252ToCp437(ch));
    return out;
}

std::optional<char> TypedCharacter(std::string_view event) {
    if (event.empty() || IsMouseEvent(event) || event[0] == '\0') return std::nullopt;
    const auto first = static_cast<unsigned char>(event[0]);
    if (event.size() == 1) {
        if (first < 32 || first == 127) return std::nullopt;
        return event[0];
    }
    const std::string converted = Utf8ToWindows1252(event);
    if (converted.size() != 1) return std::nullopt;
    return converted[0];
}

}  // namespace gridlet
