#pragma once
// Cutting characters off both ends of a text.

#include <string_view>

namespace gridlet {

// The text without the given characters at either end; blanks when none are given.
constexpr std::string_view Trim(std::string_view text, std::string_view characters = " ") {
    const std::size_t first = text.find_first_not_of(characters);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(characters) - first + 1);
}

}  // namespace gridlet
