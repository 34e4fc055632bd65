#pragma once
// Code page 437, the character set of every console cell.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gridlet {

char32_t Cp437ToUnicode(std::uint8_t byte);
std::optional<std::uint8_t> UnicodeToCp437(char32_t codePoint);

// Appends the UTF-8 form of one code point.
void AppendUtf8(std::string& out, char32_t codePoint);

// Decodes one UTF-8 sequence at text[pos]; advances pos. Malformed bytes give U+FFFD.
char32_t DecodeUtf8(std::string_view text, std::size_t& pos);

}  // namespace gridlet
