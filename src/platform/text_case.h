#pragma once
// Comparing names without regard to case: ASCII letters fold, other bytes stand as they are.

#include <string_view>

namespace gridlet {

bool ContainsIgnoringCase(std::string_view text, std::string_view part);
char LowerCase(char ch);
char UpperCase(char ch);
bool SameIgnoringCase(char a, char b);
bool LessIgnoringCase(std::string_view a, std::string_view b);
bool EqualIgnoringCase(std::string_view a, std::string_view b);

}  // namespace gridlet
