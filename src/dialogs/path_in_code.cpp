#include "dialogs/path_in_code.h"

#include "platform/cp1252.h"
#include "platform/cp437.h"

namespace gridlet {
namespace {

bool IsControl(char32_t codePoint) {
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F);
}

}  // namespace

std::string WhyNotInCode(std::string_view path) {
    // Bytes that are no UTF-8 text, and characters the code page lacks, come back changed.
    if (Cp1252ToUtf8(Utf8ToCp1252(path)) != path)
        return "it holds characters that Windows-1252, the code's character set, does not have.";
    if (path.find('"') != std::string_view::npos)
        return "it holds a double quote, which would end the code's string.";
    if (path.find_first_of("\r\n") != std::string_view::npos)
        return "it holds a line break, which would break the code's line.";
    for (std::size_t pos = 0; pos < path.size();) {
        if (IsControl(DecodeUtf8(path, pos))) return "it holds a control character.";
    }
    return "";
}

}  // namespace gridlet
