#pragma once
// The text of a multi-line edit box, its cursor and the part of it a box of some size shows.
// Text is Windows-1252; lines are joined by CR LF.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace gridlet {

class TextEditor {
  public:
    // The text may hold at most maxLength characters, each line break counting as two.
    explicit TextEditor(std::size_t maxLength) : maxLength_(maxLength) {}

    // Each false, with nothing changed, when the text has no room left.
    bool Type(char ch);
    bool BreakLine();
    // Line ends of any kind become line breaks, a tab a blank, other control characters are
    // dropped. The paste stops where the text is full; false then.
    bool Paste(std::string_view text);

    void Backspace();
    void Delete();
    void Left();
    void Right();
    void Up();
    void Down();
    void Home();
    void End();
    // The cursor at a place of the text, taken to the nearest place that exists.
    void PlaceCursor(std::size_t line, std::size_t column);

    // Scrolls the view, a box of the given size, until it shows the cursor.
    void ShowCursor(std::size_t rows, std::size_t columns);

    std::string Text() const;
    const std::vector<std::string>& Lines() const { return lines_; }
    std::size_t CursorLine() const { return line_; }
    std::size_t CursorColumn() const { return column_; }
    std::size_t TopLine() const { return topLine_; }
    std::size_t LeftColumn() const { return leftColumn_; }

  private:
    std::size_t Length() const;
    std::string& CurrentLine() { return lines_[line_]; }

    std::size_t maxLength_;
    std::vector<std::string> lines_{std::string()};
    std::size_t line_ = 0;
    std::size_t column_ = 0;
    std::size_t topLine_ = 0;
    std::size_t leftColumn_ = 0;
};

}  // namespace gridlet
