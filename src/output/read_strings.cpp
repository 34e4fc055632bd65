#include "output/read_strings.h"

#include <optional>
#include <string>

#include "design/object_block.h"
#include "output/block_pattern.h"
#include "output/read_blocks.h"

namespace gridlet {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

struct Line {
    std::string_view text;  // without its line end
    std::size_t start;
};

// Every line of the body; the last may have no line end.
std::vector<Line> LinesOf(std::string_view body) {
    std::vector<Line> lines;
    for (std::size_t at = 0; at < body.size();) {
        const std::size_t end = std::min(body.find(kLineEnd, at), body.size());
        lines.push_back({body.substr(at, end - at), at});
        at = end + kLineEnd.size();
    }
    return lines;
}

bool IsColourLine(std::string_view line) {
    return line.starts_with("   GRAPHIC COLOR ");
}

bool IsFontLine(std::string_view line) {
    return line.starts_with("   FONT NEW ");
}

bool IsHeadLine(std::string_view line) {
    return line.empty() || IsColourLine(line) || IsFontLine(line) ||
           line == "   GRAPHIC SET FONT hFont";
}

class Body {
  public:
    explicit Body(std::string_view body) : body_(body), lines_(LinesOf(body)) {}

    std::size_t LineCount() const { return lines_.size(); }
    std::string_view Text(std::size_t line) const {
        return line < lines_.size() ? lines_[line].text : "\x01";
    }
    // Where a line starts; the end of the body past the last.
    std::size_t Start(std::size_t line) const {
        return line < lines_.size() ? lines_[line].start : body_.size();
    }
    std::string_view Between(std::size_t from, std::size_t to) const {
        return body_.substr(Start(from), Start(to) - Start(from));
    }

    // A font head starts with its font line, or with a colour line just before it.
    bool HeadStartsAt(std::size_t line) const {
        return IsFontLine(Text(line)) || (IsColourLine(Text(line)) && IsFontLine(Text(line + 1)));
    }
    // The four lines that print a variable: colours, place, print and a blank line.
    bool PrintsAt(std::size_t line) const {
        return IsColourLine(Text(line)) && Text(line + 1).starts_with("   GRAPHIC SET POS ( ") &&
               Text(line + 2).starts_with("   GRAPHIC PRINT ") && Text(line + 3).empty() &&
               Start(line + 4) - Start(line + 3) == kLineEnd.size();
    }

  private:
    std::string_view body_;
    std::vector<Line> lines_;
};

// A variable from its font head and the part that prints it, when they build its block again.
std::optional<DesignObject> PrintedVariable(std::string_view head, std::string_view printing) {
    DesignObject variable;
    variable.kind = ObjectKind::StringVariable;
    ObjectValues& v = variable.values;
    BlockPattern pattern;
    pattern.Literal("   GRAPHIC COLOR ").Text(v.properties.edgeColor).Literal(",");
    pattern.Text(v.properties.fillColor).Literal("\r\n   GRAPHIC SET POS ( ").Number(v.x1);
    pattern.Literal(", ").Number(v.y1).Literal(")\r\n   GRAPHIC PRINT ").Text(v.name);
    pattern.Literal("\r\n\r\n");
    if (!pattern.Match(printing)) return std::nullopt;
    v.fontHead = head;
    v.printed = true;
    variable.block = std::string(head) + std::string(printing);
    if (BuildObjectBlock(variable) != variable.block) return std::nullopt;
    return variable;
}

DesignObject UnprintedVariable(std::string_view head) {
    DesignObject variable;
    variable.kind = ObjectKind::StringVariable;
    variable.values.fontHead = head;
    variable.block = head;
    return variable;
}

// The names the globals declare, in their order.
std::vector<std::string> DeclaredNames(std::string_view globals) {
    std::vector<std::string> names;
    for (const Line& line : LinesOf(globals)) {
        std::string name;
        BlockPattern pattern;
        pattern.Literal("  GLOBAL ").Text(name).Literal(" AS STRING");
        if (pattern.Match(line.text)) names.push_back(std::move(name));
    }
    return names;
}

// A variable not yet printed has its name in the globals only: when they declare as many
// variables as the body holds, and the same names where it prints them, the n-th is the n-th.
void NameUnprinted(std::vector<DesignObject>& pieces, const std::vector<std::string>& names) {
    std::vector<DesignObject*> variables;
    for (DesignObject& piece : pieces) {
        if (!piece.keptAsWritten) variables.push_back(&piece);
    }
    if (variables.size() != names.size()) return;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const ObjectValues& v = variables[i]->values;
        if (v.printed && v.name != names[i]) return;
    }
    for (std::size_t i = 0; i < names.size(); ++i) variables[i]->values.name = names[i];
}

}  // namespace

std::vector<DesignObject> ReadStringVariables(std::string_view body, std::string_view globals) {
    const Body lines(body);
    std::vector<DesignObject> pieces;
    const auto keep = [&pieces](std::string_view kept) {
        if (kept.empty()) return;
        if (!pieces.empty() && pieces.back().keptAsWritten) {
            pieces.back().block += kept;
        } else {
            pieces.push_back(KeptAsWritten(ObjectKind::StringVariable, kept));
        }
    };
    std::size_t keptFrom = 0;
    for (std::size_t i = 0; i < lines.LineCount();) {
        if (!lines.HeadStartsAt(i)) {
            ++i;
            continue;
        }
        keep(lines.Between(keptFrom, i));
        const std::size_t head = i;
        i += IsColourLine(lines.Text(i)) ? 2 : 1;
        while (i < lines.LineCount() && IsHeadLine(lines.Text(i)) && !lines.PrintsAt(i) &&
               !lines.HeadStartsAt(i)) {
            ++i;
        }
        if (lines.PrintsAt(i)) {
            const std::optional<DesignObject> variable =
                PrintedVariable(lines.Between(head, i), lines.Between(i, i + 4));
            if (variable) {
                pieces.push_back(*variable);
            } else {
                keep(lines.Between(head, i + 4));
            }
            i += 4;
        } else {
            pieces.push_back(UnprintedVariable(lines.Between(head, i)));
        }
        keptFrom = i;
    }
    keep(lines.Between(keptFrom, lines.LineCount()));
    NameUnprinted(pieces, DeclaredNames(globals));
    return pieces;
}

}  // namespace gridlet
