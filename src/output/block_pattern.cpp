#include "output/block_pattern.h"

#include <charconv>

namespace gridlet {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Where literal first stands in text outside brackets and quotes: a value such as RGB(1,2,3) or
// a quoted name holds the commas the block puts between values.
std::size_t FindOutside(std::string_view text, std::string_view literal) {
    int depth = 0;
    bool quoted = false;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (!quoted && depth == 0 && text.substr(at).starts_with(literal)) return at;
        const char c = text[at];
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == '(') {
            ++depth;
        } else if (!quoted && c == ')' && depth > 0) {
            --depth;
        }
    }
    return std::string_view::npos;
}

}  // namespace

BlockPattern& BlockPattern::Literal(std::string_view text) {
    pieces_.push_back({std::string(text)});
    return *this;
}

BlockPattern& BlockPattern::Number(std::int32_t& value) {
    pieces_.push_back({{}, &value});
    return *this;
}

BlockPattern& BlockPattern::Text(std::string& value) {
    pieces_.push_back({{}, nullptr, &value});
    return *this;
}

bool BlockPattern::Match(std::string_view text) const {
    std::size_t at = 0;
    for (std::size_t i = 0; i < pieces_.size(); ++i) {
        const Piece& piece = pieces_[i];
        const std::string_view rest = text.substr(at);
        if (piece.number != nullptr) {
            std::size_t end = !rest.empty() && rest[0] == ' ' ? 1 : 0;
            const std::size_t start = end;
            if (end < rest.size() && rest[end] == '-') ++end;
            const std::size_t digits = end;
            while (end < rest.size() && IsDigit(rest[end])) ++end;
            if (end == digits) return false;
            const auto [stop, error] =
                std::from_chars(rest.data() + start, rest.data() + end, *piece.number);
            if (error != std::errc() || stop != rest.data() + end) return false;
            at += end;
        } else if (piece.text != nullptr) {
            const bool last = i + 1 == pieces_.size();
            const std::size_t end = last ? rest.size() : FindOutside(rest, pieces_[i + 1].literal);
            if (end == std::string_view::npos) return false;
            piece.text->assign(rest.substr(0, end));
            at += end;
        } else {
            if (!rest.starts_with(piece.literal)) return false;
            at += piece.literal.size();
        }
    }
    return at == text.size();
}

int BlockPattern::LineCount() const {
    int count = 0;
    for (const Piece& piece : pieces_) {
        for (std::size_t at = piece.literal.find("\r\n"); at != std::string::npos;
             at = piece.literal.find("\r\n", at + 2)) {
            ++count;
        }
    }
    return count;
}

}  // namespace gridlet
