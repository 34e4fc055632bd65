#include "dialogs/text_editor.h"

#include <algorithm>

namespace gridlet {
namespace {

constexpr std::size_t kLineBreakLength = 2;  // CR LF

}  // namespace

std::size_t TextEditor::Length() const {
    std::size_t length = kLineBreakLength * (lines_.size() - 1);
    for (const std::string& line : lines_) length += line.size();
    return length;
}

bool TextEditor::Type(char ch) {
    if (Length() + 1 > maxLength_) return false;
    CurrentLine().insert(column_, 1, ch);
    ++column_;
    return true;
}

bool TextEditor::BreakLine() {
    if (Length() + kLineBreakLength > maxLength_) return false;
    std::string rest = CurrentLine().substr(column_);
    CurrentLine().erase(column_);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(line_) + 1, std::move(rest));
    ++line_;
    column_ = 0;
    return true;
}

bool TextEditor::Paste(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        bool taken = true;
        if (ch == '\r' || ch == '\n') {
            if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            taken = BreakLine();
        } else if (ch == '\t') {
            taken = Type(' ');
        } else if (static_cast<unsigned char>(ch) >= 32 && ch != 127) {
            taken = Type(ch);
        }
        if (!taken) return false;
    }
    return true;
}

void TextEditor::Backspace() {
    if (column_ > 0) {
        CurrentLine().erase(--column_, 1);
    } else if (line_ > 0) {
        const std::string joined = CurrentLine();
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(line_));
        --line_;
        column_ = CurrentLine().size();
        CurrentLine() += joined;
    }
}

void TextEditor::Delete() {
    if (column_ < CurrentLine().size()) {
        CurrentLine().erase(column_, 1);
    } else if (line_ + 1 < lines_.size()) {
        CurrentLine() += lines_[line_ + 1];
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(line_) + 1);
    }
}

void TextEditor::Left() {
    if (column_ > 0) {
        --column_;
    } else if (line_ > 0) {
        --line_;
        column_ = CurrentLine().size();
    }
}

void TextEditor::Right() {
    if (column_ < CurrentLine().size()) {
        ++column_;
    } else if (line_ + 1 < lines_.size()) {
        ++line_;
        column_ = 0;
    }
}

void TextEditor::Up() {
    if (line_ > 0) PlaceCursor(line_ - 1, column_);
}

void TextEditor::Down() {
    PlaceCursor(line_ + 1, column_);
}

void TextEditor::Home() {
    column_ = 0;
}

void TextEditor::End() {
    column_ = CurrentLine().size();
}

void TextEditor::PlaceCursor(std::size_t line, std::size_t column) {
    line_ = std::min(line, lines_.size() - 1);
    column_ = std::min(column, CurrentLine().size());
}

void TextEditor::ShowCursor(std::size_t rows, std::size_t columns) {
    rows = std::max<std::size_t>(rows, 1);
    columns = std::max<std::size_t>(columns, 1);
    topLine_ = std::clamp(topLine_, line_ + 1 >= rows ? line_ + 1 - rows : 0, line_);
    // The cursor may stand just after a line's last character, so a full line needs one more.
    // A cursor the box holds from a line's start shows the line from its start.
    leftColumn_ = column_ < columns ? 0 : std::clamp(leftColumn_, column_ + 1 - columns, column_);
}

std::string TextEditor::Text() const {
    std::string text;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += lines_[i];
    }
    return text;
}

}  // namespace gridlet
