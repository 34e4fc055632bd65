#include "platform/escape_controls.h"

namespace gridlet {
namespace {

constexpr std::string_view kHexDigits = "0123456789abcdef";

// The letter of the escapes that have one, from \a (7) to \r (13).
constexpr std::string_view kNamedFrom7 = "abtnvfr";

std::string Hex(unsigned value, int digits) {
    std::string hex;
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        hex += kHexDigits[(value >> shift) & 15];
    return hex;
}

}  // namespace

std::string EscapeControls(std::string_view text) {
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0u;
        if (byte == 0x1b) {
            shown += "\\e";
        } else if (byte >= 7 && byte <= 13) {
            shown += '\\';
            shown += kNamedFrom7[byte - 7];
        } else if (byte < 0x20 || byte == 0x7f) {
            shown += "\\x" + Hex(byte, 2);
        } else if (byte == 0xc2 && next >= 0x80 && next <= 0x9f) {
            shown += "\\u" + Hex(next, 4);
            ++i;
        } else {
            shown += static_cast<char>(byte);
        }
    }
    return shown;
}

}  // namespace gridlet
