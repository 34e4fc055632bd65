#include "dialogs/text_entry.h"

#include <algorithm>

#include "dialogs/text_editor.h"
#include "interact/dialog_kit.h"
#include "model/pixel_mapping.h"
#include "platform/cell_text.h"
#include "platform/dialog_cover.h"
#include "platform/frame_chars.h"
#include "platform/trim.h"

namespace gridlet {
namespace {

constexpr std::size_t kMaxText = 3999;

// Dialog units to cells, as the edit box lies over the area: 5.5 units a column, 10 a row.
constexpr double kUnitsPerColumn = 5.5;
constexpr double kUnitsPerRow = 10;
int Columns(double units) {
    return Nearest(units / kUnitsPerColumn);
}
int Rows(double units) {
    return Nearest(units / kUnitsPerRow);
}

// Where the controls stand in the dialog, in dialog units.
constexpr int kEditX = 9;
constexpr int kEditY = 18;
constexpr int kButtonX = 10;

constexpr int kLastRow = 45;  // the hint row stays as it is
constexpr std::string_view kButton = "[ Ok ]";
constexpr int kButtonAccelerator = 2;  // the O of Ok

constexpr int kAcceleratorAttribute = 0x74;  // red on light grey

constexpr char kMoreAbove = '\x18';
constexpr char kMoreBelow = '\x19';
constexpr char kMoreBoth = '\x12';

std::string Padded(const std::string& text) {
    std::string padded(1, ' ');
    padded += text;
    padded += ' ';
    return padded;
}

// A row of the frame: its two ends, and the middle filled.
std::string FrameRow(char left, char middle, char right, std::size_t inner) {
    std::string row(1, left);
    row.append(inner, middle);
    row += right;
    return row;
}

struct Layout {
    CellRect frame;
    CellRect edit;
    int buttonRow;
    int buttonCol;
};

// A rectangle moved as little as it takes to lie on the screen above the hint row.
CellRect OnScreen(CellRect rect) {
    const int down = std::max(0, 1 - rect.top) - std::max(0, rect.bottom - kLastRow);
    const int right = std::max(0, 1 - rect.left) - std::max(0, rect.right - kScreenWidth);
    return {rect.top + down, rect.left + right, rect.bottom + down, rect.right + right};
}

// The dialog's cells: the edit box over the area, the frame round it as wide as the title needs,
// all of it moved onto the screen when the area lies near an edge. An area too tall for the
// screen gets a box of fewer rows, which scrolls.
Layout LayoutFor(const CellRect& area, const TextEntrySizes& sizes, int titleWidth) {
    const int editColumns = Columns(sizes.editWidth);
    const int editRows = std::min(Rows(sizes.editHeight),
                                  kLastRow - (Rows(sizes.dialogHeight) - Rows(sizes.editHeight)));
    const int width = std::clamp(std::max({Columns(sizes.dialogWidth), titleWidth + 4,
                                           static_cast<int>(kButton.size()) + 4}),
                                 1, kScreenWidth);
    const int height = Rows(sizes.dialogHeight) - Rows(sizes.editHeight) + editRows;
    const int editLeft = Columns(kEditX);
    const int editTop = Rows(kEditY);
    const CellRect frame =
        OnScreen({area.top - editTop, area.left - editLeft, area.top - editTop + height - 1,
                  area.left - editLeft + width - 1});
    const CellRect edit{frame.top + editTop, frame.left + editLeft,
                        frame.top + editTop + editRows - 1,
                        std::min(frame.left + editLeft + editColumns, frame.right) - 1};
    return {frame, edit, frame.bottom - 1, frame.left + Columns(kButtonX)};
}

struct EditKey {
    int scanCode;
    void (TextEditor::*action)();
};
constexpr EditKey kEditKeys[] = {
    {kScanDelete, &TextEditor::Delete}, {kScanLeft, &TextEditor::Left},
    {kScanRight, &TextEditor::Right},   {kScanUp, &TextEditor::Up},
    {kScanDown, &TextEditor::Down},     {kScanHome, &TextEditor::Home},
    {kScanEnd, &TextEditor::End},
};

enum class Focus { Edit, Button };

class TextEntryDialog {
  public:
    TextEntryDialog(Screen& screen, const CellRect& area, const ChosenTextFont& font,
                    std::string_view text)
        : screen_(screen),
          title_(Padded(CellText(FontTitle(font)))),
          layout_(LayoutFor(
              area, TextEntrySizesFor(area.right - area.left + 1, area.bottom - area.top + 1),
              static_cast<int>(title_.size()))),
          editor_(kMaxText, static_cast<std::size_t>(layout_.edit.Width())) {
        editor_.Paste(text);
    }

    const CellRect& Frame() const { return layout_.frame; }

    std::string Run() {
        DrawFrame();
        for (;;) {
            Draw();
            const ConsoleEvent input = ReadDialogInput(screen_.console());
            if (input.IsMouse() ? Click(input.row, input.col) : Key(input)) break;
        }
        return editor_.Text();
    }

  private:
    // True when the click takes the Ok button.
    bool Click(int row, int col) {
        const CellRect& edit = layout_.edit;
        if (edit.Contains(row, col)) {
            focus_ = Focus::Edit;
            editor_.PlaceCursor(editor_.TopRow() + static_cast<std::size_t>(row - edit.top),
                                static_cast<std::size_t>(col - edit.left));
        }
        return row == layout_.buttonRow && col >= layout_.buttonCol &&
               col < layout_.buttonCol + static_cast<int>(kButton.size());
    }

    // True when the key takes the Ok button.
    bool Key(const ConsoleEvent& input) {
        if (input.IsExtendedKey(AltLetterScanCode('o'))) return true;
        if (input.IsKey(kTabKey)) {
            focus_ = focus_ == Focus::Edit ? Focus::Button : Focus::Edit;
            return false;
        }
        if (focus_ == Focus::Button) return input.IsKey(kEnterKey) || input.IsKey(' ');
        if (!Edit(input)) screen_.console().Beep();
        return false;
    }

    // False when the text had no room for what was typed or pasted.
    bool Edit(const ConsoleEvent& input) {
        if (input.kind == EventKind::Paste) return editor_.Paste(input.key);
        if (input.IsKey(kEnterKey)) return editor_.BreakLine();
        if (const auto typed = TypedCharacter(input)) return editor_.Type(*typed);
        if (input.IsKey(kBackspaceKey)) editor_.Backspace();
        for (const EditKey& key : kEditKeys) {
            if (input.IsExtendedKey(key.scanCode)) (editor_.*key.action)();
        }
        return true;
    }

    void DrawFrame() {
        const CellRect& f = layout_.frame;
        const auto inner = static_cast<std::size_t>(f.Width() - 2);
        std::string top = FrameRow(kFrameTopLeft, kFrameHorizontal, kFrameTopRight, inner);
        const std::string title = title_.substr(0, inner);
        top.replace(1 + (inner - title.size()) / 2, title.size(), title);
        Print(f.top, f.left, kPanelAttribute, top);
        for (int row = f.top + 1; row < f.bottom; ++row) {
            Print(row, f.left, kPanelAttribute,
                  FrameRow(kFrameVertical, ' ', kFrameVertical, inner));
        }
        Print(f.bottom, f.left, kPanelAttribute,
              FrameRow(kFrameBottomLeft, kFrameHorizontal, kFrameBottomRight, inner));
    }

    void Draw() {
        const CellRect& edit = layout_.edit;
        editor_.ShowCursor(static_cast<std::size_t>(edit.Height()));
        const std::vector<TextEditor::Row> rows = editor_.Rows();
        for (int row = 0; row < edit.Height(); ++row) {
            const std::size_t shown = editor_.TopRow() + static_cast<std::size_t>(row);
            PrintField(
                screen_, edit.top + row, edit.left, edit.Width(), kFieldAttribute,
                shown < rows.size() ? CellText(editor_.RowText(rows[shown])) : std::string());
        }
        DrawScrollMarks(rows.size());
        DrawButton();
        Console& console = screen_.console();
        console.Locate(edit.top + static_cast<int>(editor_.CursorRow() - editor_.TopRow()),
                       edit.left + static_cast<int>(editor_.CursorColumn()));
        console.SetCursorVisible(focus_ == Focus::Edit);
    }

    // Arrows beside the box when rows lie above or below what it shows; a box of one row has
    // room for one mark, a double arrow when rows lie on both sides.
    void DrawScrollMarks(std::size_t rowCount) {
        const CellRect& edit = layout_.edit;
        const int col = edit.right + 1;
        const char plain = col == layout_.frame.right ? kFrameVertical : ' ';
        const bool above = editor_.TopRow() > 0;
        const bool below = editor_.TopRow() + static_cast<std::size_t>(edit.Height()) < rowCount;
        if (edit.top == edit.bottom) {
            const char mark = above && below ? kMoreBoth
                              : above        ? kMoreAbove
                              : below        ? kMoreBelow
                                             : plain;
            Print(edit.top, col, kPanelAttribute, std::string(1, mark));
            return;
        }
        Print(edit.top, col, kPanelAttribute, std::string(1, above ? kMoreAbove : plain));
        Print(edit.bottom, col, kPanelAttribute, std::string(1, below ? kMoreBelow : plain));
    }

    void DrawButton() {
        if (focus_ == Focus::Button) {
            Print(layout_.buttonRow, layout_.buttonCol, kFocusedFieldAttribute, kButton);
            return;
        }
        Print(layout_.buttonRow, layout_.buttonCol, kPanelAttribute, kButton);
        Print(layout_.buttonRow, layout_.buttonCol + kButtonAccelerator, kAcceleratorAttribute,
              kButton.substr(kButtonAccelerator, 1));
    }

    void Print(int row, int col, int attribute, std::string_view text) {
        screen_.PrintAt(row, col, attribute & 15, attribute >> 4, text);
    }

    Screen& screen_;
    std::string title_;
    Layout layout_;
    TextEditor editor_;
    Focus focus_ = Focus::Edit;
};

}  // namespace

TextEntrySizes TextEntrySizesFor(int columns, int rows) {
    const int editWidth = Nearest(5.5 * std::max(columns, 2));
    const int editHeight = 10 * std::max(rows, 1);
    return {editWidth, editHeight, editWidth + 15, editHeight + 50};
}

std::string FontTitle(const ChosenTextFont& font) {
    if (font.faceName.empty()) return "Lucida Console 10 pt";
    std::string title = font.faceName + " " + std::to_string(Nearest(font.pointSize)) + " pt";
    if (font.weight >= 700) title += " bold";
    if (font.italic != 0) title += " italic";
    if (font.underline != 0) title += " underline";
    if (font.strikeOut != 0) title += " strike-out";
    return title;
}

std::string EnterText(Screen& screen, const CellRect& area, const ChosenTextFont& font,
                      std::string_view text) {
    TextEntryDialog dialog(screen, area, font, text);
    const DialogCover cover(screen.console(), dialog.Frame());
    return std::string(Trim(dialog.Run(), " \r\n"));
}

}  // namespace gridlet
