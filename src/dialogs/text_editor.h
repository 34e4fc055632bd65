#pragma once
// The text of a multi-line edit box, its cursor and the part of it the box shows. As in a
// Windows edit box without horizontal scrolling, long lines wrap at the box's width, after a
// blank where there is one. Text is Windows-1252; lines are joined by CR LF.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace gridlet {

class TextEditor {
  public:
    // A row of the box: a piece of one line of the text.
    struct Row {
        std::size_t line;
        std::size_t start;
        std::size_t length;
    };

    // The text may hold at most maxLength characters, each line break counting as two; the box
    // is width columns wide.
    TextEditor(std::size_t maxLength, std::size_t width);

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
    // Up and Down go a row of the box, keeping the cursor's column as far as the row goes.
    void Up();
    void Down();
    void Home();
    void End();
    // The cursor at a cell of the box, counted from the whole text's first row, taken to the
    // nearest place that exists.
    void PlaceCursor(std::size_t row, std::size_t column);

    // Scrolls the view, a box of the given number of rows, until it shows the cursor.
    void ShowCursor(std::size_t rows);

    std::string Text() const;
    // The whole text in rows of the box's width.
    std::vector<Row> Rows() const;
    std::string_view RowText(const Row& row) const;
    // Where the cursor stands: its row among Rows() and its column in that row.
    std::size_t CursorRow() const;
    std::size_t CursorColumn() const;
    std::size_t TopRow() const { return topRow_; }

  private:
    std::size_t Length() const;
    std::string& CurrentLine() { return lines_[line_]; }
    void GoToRow(const std::vector<Row>& rows, std::size_t row, std::size_t column);

    std::size_t maxLength_;
    std::size_t width_;
    std::vector<std::string> lines_{std::string()};
    std::size_t line_ = 0;
    std::size_t column_ = 0;
    std::size_t topRow_ = 0;
};

}  // namespace gridlet
