#include "design/objects_panel.h"

#include <algorithm>
#include <string>
#include <vector>

#include "design/grid_markers.h"
#include "design/object_move.h"
#include "design/object_properties.h"
#include "design/object_rows.h"
#include "design/objects_panel_art.h"
#include "design/undo.h"
#include "interact/dialog_kit.h"
#include "model/object_order.h"

namespace gridlet {
namespace {

// The list's rows, below the panel's top, and its columns.
constexpr int kListOffset = 3;
constexpr int kListRows = 11;
constexpr int kListLeft = 2;
constexpr int kListWidth = 88;
constexpr int kPressedPause = 100;
constexpr char kMoreAbove = '\x1E';
constexpr char kMoreBelow = '\x1F';

enum class Action { Properties, Move, ToBack, ToFront, Delete, Close };

struct PanelButton {
    const ImageInfo* pressed;  // its rectangle is the button's, with the panel at the bottom
    Action action;
    char key;  // 0: Esc only
};

const PanelButton kButtons[] = {
    {&kObjectsPropertiesPressed, Action::Properties, 'p'},
    {&kObjectsMovePressed, Action::Move, 'm'},
    {&kObjectsToBackPressed, Action::ToBack, 'b'},
    {&kObjectsToFrontPressed, Action::ToFront, 'f'},
    {&kObjectsDeletePressed, Action::Delete, 'd'},
    {&kObjectsClosePressed, Action::Close, 0},
};

bool IsLetter(const ConsoleEvent& input, char lower) {
    return input.IsKey(lower) || input.IsKey(static_cast<char>(lower - 'a' + 'A'));
}

CellRect Down(const CellRect& rect, int rows) {
    return {rect.top + rows, rect.left, rect.bottom + rows, rect.right};
}

int RowsShared(const CellRect& a, const CellRect& b) {
    return std::max(0, std::min(a.bottom, b.bottom) - std::max(a.top, b.top) + 1);
}

class Panel {
  public:
    explicit Panel(Context& context) : context_(context) {}

    void Run() {
        Screen& screen = context_.screen;
        screen.SaveScreen(designScreen_);
        Refresh();
        for (;;) {
            Draw();
            if (!Take(ReadDialogInput(context_.console))) break;
        }
        screen.RestoreScreen(designScreen_);
    }

  private:
    // The panel's rows lie this far below where the art paints them.
    int Shift() const { return top_ ? 1 - kObjectsPanel.topRow : 0; }
    CellRect PanelRect() const { return Down(kObjectsPanel.Rect(), Shift()); }
    int ListTop() const { return PanelRect().top + kListOffset; }

    const DesignObject* Selected() const {
        if (listed_.empty()) return nullptr;
        return &context_.design.objects[listed_[static_cast<std::size_t>(selected_)]];
    }

    // The list read again after a change; the selection stays on its object while it is listed,
    // else on its row.
    void Refresh() {
        listed_ = ListedObjects(context_.design);
        const auto count = static_cast<int>(listed_.size());
        for (int row = 0; row < count; ++row) {
            if (context_.design.objects[listed_[static_cast<std::size_t>(row)]].number ==
                selectedNumber_) {
                selected_ = row;
            }
        }
        Select(selected_);
    }

    void Select(int row) {
        const auto count = static_cast<int>(listed_.size());
        selected_ = std::clamp(row, 0, std::max(count - 1, 0));
        first_ = std::clamp(first_, std::max(selected_ - kListRows + 1, 0), selected_);
        if (const DesignObject* object = Selected()) selectedNumber_ = object->number;
    }

    // The panel goes where it hides less of the selected mark, and stays where it is on a tie.
    void Place(const CellRect& mark) {
        const int atBottom = RowsShared(mark, kObjectsPanel.Rect());
        const int atTop = RowsShared(mark, Down(kObjectsPanel.Rect(), 1 - kObjectsPanel.topRow));
        if (atTop != atBottom) top_ = atTop < atBottom;
    }

    void Draw() {
        Screen& screen = context_.screen;
        screen.RestoreScreen(designScreen_);
        if (const DesignObject* object = Selected()) {
            HighlightMark(screen, object->mark);
            Place(MarkExtent(object->mark));
        }
        screen.PaintPanel(PanelRect(), kObjectsPanel.bytes);
        for (int row = 0; row < kListRows; ++row) {
            const int index = first_ + row;
            std::string text;
            if (index < static_cast<int>(listed_.size())) {
                text = ObjectRow(context_.design.objects[listed_[static_cast<std::size_t>(index)]],
                                 kListWidth);
            } else if (index == 0) {
                text = "  No objects placed yet";
            }
            PrintField(
                screen, ListTop() + row, kListLeft, kListWidth,
                index == selected_ && !listed_.empty() ? kFocusedFieldAttribute : kPanelAttribute,
                text);
        }
        const int frameCol = kListLeft + kListWidth;
        if (first_ > 0) PrintField(screen, ListTop(), frameCol, 1, kPanelAttribute, {kMoreAbove});
        if (first_ + kListRows < static_cast<int>(listed_.size()))
            PrintField(screen, ListTop() + kListRows - 1, frameCol, 1, kPanelAttribute,
                       {kMoreBelow});
    }

    // False when the panel closes.
    bool Take(const ConsoleEvent& input) {
        if (input.IsKey(kEscKey)) return false;
        if (input.IsMouse()) return Click(input.row, input.col);
        if (input.IsExtendedKey(kScanUp)) {
            Select(selected_ - 1);
        } else if (input.IsExtendedKey(kScanDown)) {
            Select(selected_ + 1);
        } else if (input.IsExtendedKey(kScanHome)) {
            Select(0);
        } else if (input.IsExtendedKey(kScanEnd)) {
            Select(static_cast<int>(listed_.size()) - 1);
        } else if (input.IsKey(kEnterKey)) {
            Act(Action::Properties);
        } else if (input.IsExtendedKey(kScanDelete)) {
            Act(Action::Delete);
        } else if (IsLetter(input, 'u') || input.IsKey(kBackspaceKey)) {
            Changed(UndoStep);
        } else if (IsLetter(input, 'r') || input.IsKey(kRedoKey)) {
            Changed(RedoStep);
        } else {
            for (const PanelButton& button : kButtons) {
                if (button.key != 0 && IsLetter(input, button.key)) return Act(button.action);
            }
        }
        return true;
    }

    bool Click(int row, int col) {
        if (!PanelRect().Contains(row, col)) {
            PickMarkAt(row, col);
            return true;
        }
        const int listRow = row - ListTop();
        if (listRow >= 0 && listRow < kListRows) {
            const int frameCol = kListLeft + kListWidth;
            if (col == frameCol) {
                Scroll(listRow == 0 ? -1 : listRow == kListRows - 1 ? 1 : 0);
            } else if (col >= kListLeft && first_ + listRow < static_cast<int>(listed_.size())) {
                Select(first_ + listRow);
            }
            return true;
        }
        for (const PanelButton& button : kButtons) {
            const CellRect rect = Down(button.pressed->Rect(), Shift());
            if (!rect.Contains(row, col)) continue;
            context_.screen.PaintPanel(rect, button.pressed->bytes);
            context_.console.Sleep(kPressedPause);
            return Act(button.action);
        }
        return true;
    }

    void Scroll(int rows) {
        const int last = std::max(static_cast<int>(listed_.size()) - kListRows, 0);
        first_ = std::clamp(first_ + rows, 0, last);
        Select(std::clamp(selected_, first_, first_ + kListRows - 1));
    }

    // The newest object whose mark takes up the cell.
    void PickMarkAt(int row, int col) {
        for (std::size_t i = 0; i < listed_.size(); ++i) {
            if (MarkExtent(context_.design.objects[listed_[i]].mark).Contains(row, col)) {
                Select(static_cast<int>(i));
                return;
            }
        }
    }

    // False when the action closes the panel.
    bool Act(Action action) {
        if (action == Action::Close) return false;
        if (listed_.empty()) {
            context_.console.Beep();
            return true;
        }
        const std::size_t index = listed_[static_cast<std::size_t>(selected_)];
        // The menus open over the design with the selected mark picked out.
        context_.screen.RestoreScreen(designScreen_);
        HighlightMark(context_.screen, Selected()->mark);
        Changed([action, index](Context& context) {
            Design& design = context.design;
            switch (action) {
                case Action::Properties:
                    return EditObjectProperties(context, index);
                case Action::Move:
                    return MoveObject(context, index);
                case Action::ToBack:
                    return SendToBack(design, index);
                case Action::ToFront:
                    return BringToFront(design, index);
                case Action::Delete:
                    return DeleteObject(design, index);
                case Action::Close:
                    break;
            }
            return false;
        });
        return true;
    }

    static bool UndoStep(Context& context) {
        Undo(context);
        return true;
    }
    static bool RedoStep(Context& context) {
        Redo(context);
        return true;
    }

    // Runs a change and shows the design as it leaves it; a change refused leaves the screen as
    // it was. The pass's snapshot follows, so that the error trap puts back the design as it is.
    template <typename Change>
    void Changed(Change change) {
        Screen& screen = context_.screen;
        const bool changed = change(context_);
        if (!changed) {
            screen.RestoreScreen(designScreen_);
            return;
        }
        RedrawGrid(screen, context_.design);
        screen.SaveScreen(designScreen_);
        context_.pass.snapshot = designScreen_;
        Refresh();
    }

    Context& context_;
    std::string designScreen_;
    std::vector<std::size_t> listed_;
    int selected_ = 0;
    int first_ = 0;
    std::int32_t selectedNumber_ = 0;
    bool top_ = false;
};

}  // namespace

void ObjectsPanel(Context& context) {
    Panel(context).Run();
}

}  // namespace gridlet
