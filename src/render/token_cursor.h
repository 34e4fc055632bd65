#pragma once
// Walks the tokens of one statement, with the small checks every statement form needs.

#include <span>
#include <string>
#include <string_view>

#include "render/tokenizer.h"

namespace gridlet {

class TokenCursor {
  public:
    explicit TokenCursor(std::span<const Token> tokens) : tokens_(tokens) {}

    bool AtEnd() const { return at_ >= tokens_.size(); }
    const Token* Peek(std::size_t ahead = 0) const;
    const Token& Next();  // throws RenderError at the end

    bool PeekSymbol(char symbol) const;
    bool AcceptSymbol(char symbol);
    void ExpectSymbol(char symbol);

    bool PeekWord(std::string_view upperWord, std::size_t ahead = 0) const;
    bool AcceptWord(std::string_view upperWord);
    void ExpectWord(std::string_view upperWord);

    std::string ExpectName();
    void ExpectEnd() const;  // throws RenderError naming what is left over

  private:
    std::span<const Token> tokens_;
    std::size_t at_ = 0;
};

}  // namespace gridlet
