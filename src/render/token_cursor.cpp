#include "render/token_cursor.h"

#include "platform/text_case.h"
#include "render/render_error.h"

namespace gridlet {

const Token* TokenCursor::Peek(std::size_t ahead) const {
    return at_ + ahead < tokens_.size() ? &tokens_[at_ + ahead] : nullptr;
}

const Token& TokenCursor::Next() {
    if (AtEnd()) throw RenderError("statement ends too early");
    return tokens_[at_++];
}

bool TokenCursor::PeekSymbol(char symbol) const {
    const Token* token = Peek();
    return token && token->kind == TokenKind::Symbol && token->text[0] == symbol;
}

bool TokenCursor::AcceptSymbol(char symbol) {
    if (!PeekSymbol(symbol)) return false;
    ++at_;
    return true;
}

void TokenCursor::ExpectSymbol(char symbol) {
    if (!AcceptSymbol(symbol)) throw RenderError(std::string("'") + symbol + "' expected");
}

bool TokenCursor::PeekWord(std::string_view upperWord, std::size_t ahead) const {
    const Token* token = Peek(ahead);
    return token && token->kind == TokenKind::Name && EqualIgnoringCase(token->text, upperWord);
}

bool TokenCursor::AcceptWord(std::string_view upperWord) {
    if (!PeekWord(upperWord)) return false;
    ++at_;
    return true;
}

void TokenCursor::ExpectWord(std::string_view upperWord) {
    if (!AcceptWord(upperWord)) throw RenderError(std::string(upperWord) + " expected");
}

std::string TokenCursor::ExpectName() {
    const Token& token = Next();
    if (token.kind != TokenKind::Name) throw RenderError("a name expected");
    return token.text;
}

void TokenCursor::ExpectEnd() const {
    if (!AtEnd()) throw RenderError("unexpected " + tokens_[at_].text);
}

}  // namespace gridlet
