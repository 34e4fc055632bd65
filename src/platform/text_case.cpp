#include "platform/text_case.h"

#include <algorithm>
#include <cctype>

namespace gridlet {

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
    return std::search(text.begin(), text.end(), part.begin(), part.end(), SameIgnoringCase) !=
           text.end();
}

char LowerCase(char ch) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
}

char UpperCase(char ch) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
}

bool SameIgnoringCase(char a, char b) {
    return LowerCase(a) == LowerCase(b);
}

bool LessIgnoringCase(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(LowerCase(x)) < static_cast<unsigned char>(LowerCase(y));
    });
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), SameIgnoringCase);
}

}  // namespace gridlet
