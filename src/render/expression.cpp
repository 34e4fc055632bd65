#include "render/expression.h"

#include "render/equates.h"
#include "render/render_error.h"

namespace gridlet {
namespace {

Value ReadConcatenation(TokenCursor& cursor, Names& names);

std::vector<Value> ReadArguments(TokenCursor& cursor, Names& names) {
    std::vector<Value> arguments;
    if (cursor.AcceptSymbol(')')) return arguments;
    do {
        arguments.push_back(ReadConcatenation(cursor, names));
    } while (cursor.AcceptSymbol(','));
    cursor.ExpectSymbol(')');
    return arguments;
}

Value ReadPrimary(TokenCursor& cursor, Names& names) {
    const Token& token = cursor.Next();
    switch (token.kind) {
        case TokenKind::Number:
            return token.number;
        case TokenKind::String:
            return token.text;
        case TokenKind::Equate:
            return EquateValue(token.text);
        case TokenKind::Name:
            if (cursor.AcceptSymbol('('))
                return names.Call(token.text, ReadArguments(cursor, names));
            return names.Read(token.text);
        case TokenKind::Symbol:
            if (token.text == "(") {
                Value inner = ReadConcatenation(cursor, names);
                cursor.ExpectSymbol(')');
                return inner;
            }
            break;
    }
    throw RenderError("unexpected " + token.text);
}

Value ReadUnary(TokenCursor& cursor, Names& names) {
    if (cursor.AcceptSymbol('-')) return -NumberOf(ReadUnary(cursor, names));
    if (cursor.AcceptSymbol('+')) return NumberOf(ReadUnary(cursor, names));
    return ReadPrimary(cursor, names);
}

Value ReadProduct(TokenCursor& cursor, Names& names) {
    Value value = ReadUnary(cursor, names);
    for (;;) {
        if (cursor.AcceptSymbol('*')) {
            value = NumberOf(value) * NumberOf(ReadUnary(cursor, names));
        } else if (cursor.AcceptSymbol('/')) {
            const long double divisor = NumberOf(ReadUnary(cursor, names));
            if (divisor == 0) throw RenderError("division by zero");
            value = NumberOf(value) / divisor;
        } else {
            return value;
        }
    }
}

// + adds numbers and joins strings; mixing the two is a type mismatch.
Value ReadSum(TokenCursor& cursor, Names& names) {
    Value value = ReadProduct(cursor, names);
    for (;;) {
        if (cursor.AcceptSymbol('+')) {
            const Value right = ReadProduct(cursor, names);
            if (std::holds_alternative<std::string>(value))
                value = TextOf(value) + TextOf(right);
            else
                value = NumberOf(value) + NumberOf(right);
        } else if (cursor.AcceptSymbol('-')) {
            value = NumberOf(value) - NumberOf(ReadProduct(cursor, names));
        } else {
            return value;
        }
    }
}

Value ReadConcatenation(TokenCursor& cursor, Names& names) {
    Value value = ReadSum(cursor, names);
    while (cursor.AcceptSymbol('&')) value = TextOf(value) + TextOf(ReadSum(cursor, names));
    return value;
}

}  // namespace

Value ReadExpression(TokenCursor& cursor, Names& names) {
    return ReadConcatenation(cursor, names);
}

}  // namespace gridlet
