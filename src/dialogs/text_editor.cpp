#include "dialogs/text_editor.h"

#include <algorithm>

namespace gridlet {
namespace {

constexpr std::size_t kLineBreakLength = 2;  // CR LF

}  // namespace

TextEditor::TextEditor(std::size_t maxLength, std::size_t width)
    : maxLength_(maxLength), width_(std::max<std::size_t>(width, 1)) {}

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
    const std::vector<Row> rows = Rows();
    const std::size_t row = CursorRow();
    if (row > 0) GoToRow(rows, row - 1, CursorColumn());
}

void TextEditor::Down() {
    const std::vector<Row> rows = Rows();
    const std::size_t row = CursorRow();
    if (row + 1 < rows.size()) GoToRow(rows, row + 1, CursorColumn());
}

void TextEditor::Home() {
    column_ = 0;
}

void TextEditor::End() {
    column_ = CurrentLine().size();
}

void TextEditor::PlaceCursor(std::size_t row, std::size_t column) {
    const std::vector<Row> rows = Rows();
    GoToRow(rows, std::min(row, rows.size() - 1), column);
}

// A row that a line goes on after has its end at the next row's start, so the cursor stops a
// place before it.
void TextEditor::GoToRow(const std::vector<Row>& rows, std::size_t row, std::size_t column) {
    const Row& target = rows[row];
    const bool lineGoesOn = row + 1 < rows.size() && rows[row + 1].line == target.line;
    const std::size_t last = target.length - (lineGoesOn && target.length > 0 ? 1 : 0);
    line_ = target.line;
    column_ = target.start + std::min(column, last);
}

void TextEditor::ShowCursor(std::size_t rows) {
    rows = std::max<std::size_t>(rows, 1);
    const std::size_t row = CursorRow();
    topRow_ = std::clamp(topRow_, row + 1 >= rows ? row + 1 - rows : 0, row);
}

std::vector<TextEditor::Row> TextEditor::Rows() const {
    std::vector<Row> rows;
    for (std::size_t line = 0; line < lines_.size(); ++line) {
        const std::string& text = lines_[line];
        std::size_t start = 0;
        while (text.size() - start > width_) {
            // A blank just past the width may hang at the row's end, as in a Windows edit box.
            const std::size_t blank = text.rfind(' ', start + width_);
            const std::size_t end =
                blank != std::string::npos && blank >= start ? blank + 1 : start + width_;
            rows.push_back({line, start, end - start});
            start = end;
        }
        rows.push_back({line, start, text.size() - start});
    }
    return rows;
}

std::string_view TextEditor::RowText(const Row& row) const {
    return std::string_view(lines_[row.line]).substr(row.start, row.length);
}

// A place where one row ends and the next of the same line starts is the next row's.
std::size_t TextEditor::CursorRow() const {
    const std::vector<Row> rows = Rows();
    std::size_t row = 0;
    while (row + 1 < rows.size() &&
           (rows[row + 1].line < line_ ||
            (rows[row + 1].line == line_ && rows[row + 1].start <= column_)))
        ++row;
    return row;
}

std::size_t TextEditor::CursorColumn() const {
    return column_ - Rows()[CursorRow()].start;
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
