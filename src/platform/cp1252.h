#pragma once
// Windows-1252, the code page of design texts and of the generated BASIC source.

#include <string>
#include <string_view>

namespace gridlet {

// Every byte has a form: the five bytes Windows-1252 leaves undefined become the C1 controls of
// the same number, as Windows converts them, so no text loses a byte on the way.
std::string Cp1252ToUtf8(std::string_view text);

// A character with no Windows-1252 form, or a malformed UTF-8 sequence, becomes "?".
std::string Utf8ToCp1252(std::string_view text);

}  // namespace gridlet
