#include "render/tokenizer.h"

#include <cctype>
#include <charconv>
#include <cmath>

#include "platform/text_case.h"
#include "render/render_error.h"

namespace gridlet {
namespace {

constexpr std::string_view kSymbols = "()-+*/\\&=:,;";
// Longest first, so "##" is one suffix and "a$&b$" keeps its operator.
constexpr std::string_view kSuffixes[] = {"&&", "##", "&", "%", "!", "#", "$"};

bool IsNameStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}
bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}
bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

std::size_t SuffixEnd(std::string_view line, std::size_t i) {
    for (std::string_view suffix : kSuffixes) {
        if (line.substr(i).starts_with(suffix)) return i + suffix.size();
    }
    return i;
}

// A literal is held in the precision it is written in: a suffix says it, otherwise a whole number
// is exact and a fraction is single precision up to seven digits, double beyond.
long double InItsPrecision(long double value, std::string_view digits, std::string_view suffix) {
    if (suffix == "!") return static_cast<float>(value);
    if (suffix == "#") return static_cast<double>(value);
    if (suffix == "##") return value;
    if (suffix == "%" || suffix == "&" || suffix == "&&") return std::nearbyint(value);
    if (!suffix.empty()) throw RenderError("number with an unknown type suffix");
    if (digits.find_first_of(".Ee") == std::string_view::npos) return value;
    std::size_t significant = 0;
    bool leading = true;
    for (char c : digits.substr(0, digits.find_first_of("Ee"))) {
        if (!IsDigit(c)) continue;
        if (c != '0') leading = false;
        if (!leading) ++significant;
    }
    return significant <= 7 ? static_cast<float>(value) : static_cast<double>(value);
}

std::size_t ReadNumber(std::string_view line, std::size_t i, std::vector<Token>& tokens) {
    const std::size_t start = i;
    while (i < line.size() && (IsDigit(line[i]) || line[i] == '.')) ++i;
    if (i < line.size() && (line[i] == 'E' || line[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < line.size() && (line[j] == '+' || line[j] == '-')) ++j;
        if (j < line.size() && IsDigit(line[j])) {
            i = j;
            while (i < line.size() && IsDigit(line[i])) ++i;
        }
    }
    const std::string_view digits = line.substr(start, i - start);
    long double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size())
        throw RenderError("malformed number " + std::string(digits));
    const std::size_t suffixEnd = SuffixEnd(line, i);
    tokens.push_back({TokenKind::Number, std::string(digits),
                      InItsPrecision(value, digits, line.substr(i, suffixEnd - i))});
    return suffixEnd;
}

// A doubled quote inside a literal stands for one quote.
std::size_t ReadString(std::string_view line, std::size_t i, std::vector<Token>& tokens) {
    std::string text;
    for (++i; i < line.size(); ++i) {
        if (line[i] != '"') {
            text += line[i];
        } else if (i + 1 < line.size() && line[i + 1] == '"') {
            text += '"';
            ++i;
        } else {
            tokens.push_back({TokenKind::String, text});
            return i + 1;
        }
    }
    throw RenderError("string not closed");
}

bool StartsStatement(const std::vector<Token>& tokens) {
    return tokens.empty() || (tokens.back().kind == TokenKind::Symbol && tokens.back().text == ":");
}

}  // namespace

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = UpperCase(c);
    return out;
}

std::vector<Token> Tokenize(std::string_view line) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '\t') {
            ++i;
        } else if (c == '\'') {
            break;
        } else if (c == '"') {
            i = ReadString(line, i, tokens);
        } else if (IsDigit(c) || (c == '.' && i + 1 < line.size() && IsDigit(line[i + 1]))) {
            i = ReadNumber(line, i, tokens);
        } else if ((c == '%' || c == '$') && i + 1 < line.size() && IsNameStart(line[i + 1])) {
            std::size_t end = i + 1;
            while (end < line.size() && IsNameChar(line[end])) ++end;
            tokens.push_back({TokenKind::Equate, Upper(line.substr(i, end - i))});
            i = end;
        } else if (IsNameStart(c)) {
            std::size_t end = i;
            while (end < line.size() && IsNameChar(line[end])) ++end;
            const std::size_t suffixEnd = SuffixEnd(line, end);
            const std::string_view name = line.substr(i, suffixEnd - i);
            if (EqualIgnoringCase(name, "REM") && StartsStatement(tokens)) break;
            tokens.push_back({TokenKind::Name, std::string(name)});
            i = suffixEnd;
        } else if (kSymbols.find(c) != std::string_view::npos) {
            tokens.push_back({TokenKind::Symbol, std::string(1, c)});
            ++i;
        } else {
            throw RenderError(std::string("unexpected character '") + c + "'");
        }
    }
    return tokens;
}

}  // namespace gridlet
