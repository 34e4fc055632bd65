#pragma once
// Cuts one logical line of program text into tokens. Names keep their type suffix (lRes&),
// equates keep their sign (%WHITE, $DQ); a comment ends the line.

#include <string>
#include <string_view>
#include <vector>

namespace gridlet {

enum class TokenKind { Number, String, Name, Equate, Symbol };

struct Token {
    TokenKind kind;
    std::string text;        // the name, equate or symbol as written; a string's characters
    long double number = 0;  // a number, already held in the precision it is written in
};

// Throws RenderError on a string left open or a character no statement uses.
std::vector<Token> Tokenize(std::string_view line);

std::string Upper(std::string_view text);

}  // namespace gridlet
