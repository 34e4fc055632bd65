#include "render/expression.h"

#include "render/equates.h"
#include "render/render_error.h"

namespace gridlet {
namespace {

// Deep enough for any real expression, shallow enough that no text can exhaust the stack.
constexpr int kDeepestNesting = 200;

class ExpressionReader {
  public:
    ExpressionReader(TokenCursor& cursor, Names& names) : cursor_(cursor), names_(names) {}

    Value Concatenation() {
        Value value = Sum();
        while (cursor_.AcceptSymbol('&')) value = TextOf(value) + TextOf(Sum());
        return value;
    }

  private:
    // + adds numbers and joins strings; mixing the two is a type mismatch.
    Value Sum() {
        Value value = Product();
        for (;;) {
            if (cursor_.AcceptSymbol('+')) {
                const Value right = Product();
                if (std::holds_alternative<std::string>(value))
                    value = TextOf(value) + TextOf(right);
                else
                    value = NumberOf(value) + NumberOf(right);
            } else if (cursor_.AcceptSymbol('-')) {
                value = NumberOf(value) - NumberOf(Product());
            } else {
                return value;
            }
        }
    }

    Value Product() {
        Value value = Unary();
        for (;;) {
            if (cursor_.AcceptSymbol('*')) {
                value = NumberOf(value) * NumberOf(Unary());
            } else if (cursor_.AcceptSymbol('/')) {
                const long double divisor = NumberOf(Unary());
                if (divisor == 0) throw RenderError("division by zero");
                value = NumberOf(value) / divisor;
            } else {
                return value;
            }
        }
    }

    Value Unary() {
        const Nested nested(*this);
        if (cursor_.AcceptSymbol('-')) return -NumberOf(Unary());
        if (cursor_.AcceptSymbol('+')) return NumberOf(Unary());
        return Primary();
    }

    Value Primary() {
        const Token& token = cursor_.Next();
        switch (token.kind) {
            case TokenKind::Number:
                return token.number;
            case TokenKind::String:
                return token.text;
            case TokenKind::Equate:
                return EquateValue(token.text);
            case TokenKind::Name:
                if (cursor_.AcceptSymbol('(')) return names_.Call(token.text, Arguments());
                return names_.Read(token.text);
            case TokenKind::Symbol:
                if (token.text == "(") {
                    Value inner = Concatenation();
                    cursor_.ExpectSymbol(')');
                    return inner;
                }
                break;
        }
        throw RenderError("unexpected " + token.text);
    }

    std::vector<Value> Arguments() {
        std::vector<Value> arguments;
        if (cursor_.AcceptSymbol(')')) return arguments;
        do {
            arguments.push_back(Concatenation());
        } while (cursor_.AcceptSymbol(','));
        cursor_.ExpectSymbol(')');
        return arguments;
    }

    // Counts the nesting while a unary operand or a parenthesis is read.
    class Nested {
      public:
        explicit Nested(ExpressionReader& reader) : reader_(reader) {
            if (++reader_.depth_ > kDeepestNesting)
                throw RenderError("expression nested too deeply");
        }
        ~Nested() { --reader_.depth_; }
        Nested(const Nested&) = delete;
        Nested& operator=(const Nested&) = delete;

      private:
        ExpressionReader& reader_;
    };

    TokenCursor& cursor_;
    Names& names_;
    int depth_ = 0;
};

}  // namespace

Value ReadExpression(TokenCursor& cursor, Names& names) {
    return ExpressionReader(cursor, names).Concatenation();
}

}  // namespace gridlet
