#include "codegen/text_block.h"

#include <algorithm>

#include "codegen/number_form.h"
#include "codegen/statement_lines.h"
#include "codegen/string_literal.h"
#include "platform/trim.h"

namespace gridlet {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

// The backward scan: the last blank at or before the width, or the first character.
std::size_t CutLength(std::string_view text, std::size_t width) {
    std::size_t p = width;
    while (text[p - 1] != ' ' && p > 1) --p;
    return p;
}

void WrapTypedLine(std::string_view line, std::size_t width, std::vector<std::string>& lines) {
    while (line.size() > width) {
        const std::size_t cut = CutLength(line, width);
        lines.emplace_back(Trim(line.substr(0, cut)));
        line.remove_prefix(cut);
    }
    lines.emplace_back(line);
}

}  // namespace

std::vector<std::string> WrapText(std::string_view text, int width) {
    const auto w = static_cast<std::size_t>(std::max(width, 1));
    std::vector<std::string> lines;
    for (;;) {
        const std::size_t end = text.find(kLineBreak);
        WrapTypedLine(text.substr(0, end), w, lines);
        if (end == std::string_view::npos) return lines;
        text.remove_prefix(end + kLineBreak.size());
    }
}

std::string TextBlock(std::string_view fontHead, const TextPlacement& placement) {
    Block block;
    block.text = fontHead;
    block.Line("   Xs = " + S(placement.x1) + " : Ys = " + S(placement.y1));
    block.Line("   GRAPHIC CHR SIZE TO nWidth, nHeight");
    block.Line("   GRAPHIC SET POS ( Xs,  Ys)");
    const std::vector<std::string> lines = WrapText(placement.text, placement.lineWidth);
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        block.Line("   GRAPHIC PRINT " + Quoted(lines[i]));
        block.Line("   Ys = Ys + nHeight : GRAPHIC SET POS (Xs, Ys)");
    }
    block.Line("   GRAPHIC PRINT " + Quoted(lines.back()));
    block.BlankLine();
    block.Line("   FONT END hfont" + Tag(placement.objectNumber, 8));
    block.BlankLine();
    return block.text;
}

}  // namespace gridlet
