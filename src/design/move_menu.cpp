#include "design/move_menu.h"

#include <exception>
#include <optional>
#include <string>

#include "design/move_menu_art.h"
#include "interact/input_routine.h"
#include "platform/keys.h"
#include "platform/message_box.h"

namespace gridlet {
namespace {

struct Direction {
    int x;
    int y;
};

enum class Action { Shift, Preview, Accept, Step, ColumnWidth, MoveToBack };

// A button of the panel; it covers the rectangle of its pressed look.
struct MenuButton {
    const ImageInfo* pressed;
    int pause;  // after the pressed look, in ms
    Action action;
    Direction direction{};  // of a shift
    int value = 0;          // the step, or the change of the column width
    int settle = 0;         // after a shift, in ms
};

// Tested in this order, the first that holds the click wins. The empty wide button at rows
// 12-14, columns 9-29 does nothing and so is not here.
const MenuButton kButtons[] = {
    {&kMoveUpPressed, 200, Action::Shift, {0, -1}},
    {&kMovePreviewPressed, 0, Action::Preview},
    {&kMoveAcceptPressed, 100, Action::Accept},
    {&kMoveDownPressed, 10, Action::Shift, {0, 1}, 0, 50},
    {&kMoveUpLeftPressed, 10, Action::Shift, {-1, -1}, 0, 50},
    {&kMoveDownLeftPressed, 10, Action::Shift, {-1, 1}, 0, 50},
    {&kMoveUpRightPressed, 10, Action::Shift, {1, -1}, 0, 50},
    {&kMoveDownRightPressed, 10, Action::Shift, {1, 1}, 0, 50},
    {&kMoveLeftPressed, 10, Action::Shift, {-1, 0}, 0, 50},
    {&kMoveRightPressed, 10, Action::Shift, {1, 0}, 0, 50},
    {&kMoveStep2Pressed, 200, Action::Step, {}, 2},
    {&kMoveStep3Pressed, 200, Action::Step, {}, 3},
    {&kMoveStep4Pressed, 200, Action::Step, {}, 4},
    {&kMoveStep5Pressed, 200, Action::Step, {}, 5},
    {&kMoveIncrColumnPressed, 100, Action::ColumnWidth, {}, 1},
    {&kMoveDecrColumnPressed, 100, Action::ColumnWidth, {}, -1},
    {&kMoveToBackPressed, 500, Action::MoveToBack},
};

const MenuButton* ButtonAt(int row, int col) {
    for (const MenuButton& button : kButtons) {
        if (button.pressed->Rect().Contains(row, col)) return &button;
    }
    return nullptr;
}

// The direction of an arrow key's command code.
std::optional<Direction> ArrowOf(std::int16_t commandCode) {
    constexpr struct {
        int scanCode;
        Direction direction;
    } kArrows[] = {
        {kScanUp, {0, -1}}, {kScanDown, {0, 1}}, {kScanLeft, {-1, 0}}, {kScanRight, {1, 0}}};
    for (const auto& arrow : kArrows) {
        if (commandCode == ExtendedKeyCode(arrow.scanCode)) return arrow.direction;
    }
    return std::nullopt;
}

int StepOf(const DialogMemory& memory) {
    return memory.moveStep != 0 ? memory.moveStep : 1;
}

void ShiftSecondPoint(PendingObject& pending, Direction direction, int step) {
    pending.x2 += direction.x * step;
    pending.y2 += direction.y * step;
}

void ShiftBothPoints(PendingObject& pending, Direction direction, int step) {
    pending.x1 += direction.x * step;
    pending.y1 += direction.y * step;
    ShiftSecondPoint(pending, direction, step);
}

// A preview that fails says so and leaves the object and the menu as they were.
void ComposeForPreview(Context& context) {
    try {
        context.composeProgram(context, {OutputRoute::Preview, CodeForm::GraphicWindow});
    } catch (const std::exception& error) {
        std::string text = "The preview could not be shown:\r\n";
        text += error.what();
        ShowMessageBox(context.console, text, "Preview", MessageButtons::Ok, MessageIcon::None);
    }
}

// The object rebuilt from the shifted coordinates is composed into the program and shown; what
// the preview showed is what Accept records. The string tool previews its DoString body instead,
// and an object of the design is previewed in its place.
void Preview(Context& context, const PreviewRebuild& rebuild) {
    PendingObject& pending = context.pass.pending;
    const bool ownText = pending.moveMenuMode == MoveMenuMode::StringVariable ||
                         pending.moveMenuMode == MoveMenuMode::PlacedObject;
    rebuild(context);
    if (!ownText) pending.movePreviewStatement = pending.pendingStatement;
    ComposeForPreview(context);
    if (!ownText) pending.pendingStatement = pending.movePreviewStatement;
    pending.movePreviewStatement.clear();
}

// The block sent to the back is drawn before all others but the backgrounds, the last sent
// first. It leaves pendingStatement, so RecordObject puts it in backLayerCode, not in the kind's
// accumulator.
void Accept(PendingObject& pending) {
    if (!pending.moveToBack) return;
    pending.sentToBackStatement = std::move(pending.pendingStatement);
    pending.pendingStatement.clear();
    pending.moveToBack = false;
}

void Act(Context& context, const MenuButton& button, const PreviewRebuild& rebuild) {
    PendingObject& pending = context.pass.pending;
    switch (button.action) {
        case Action::Shift:
            ShiftBothPoints(pending, button.direction, StepOf(context.pass.memory));
            break;
        case Action::Preview:
            Preview(context, rebuild);
            break;
        case Action::Accept:
            Accept(pending);
            break;
        case Action::Step:
            context.pass.memory.moveStep = button.value;
            break;
        case Action::ColumnWidth:
            pending.lineLimitColumn += button.value;
            break;
        case Action::MoveToBack:
            // A line step continues from the point before it, so it stays in its place.
            if (pending.moveMenuMode != MoveMenuMode::LineStep) pending.moveToBack = true;
            break;
    }
}

// Clears a flag of the pass when the scope ends, however it ends.
template <typename Flag>
class ClearedOnExit {
  public:
    explicit ClearedOnExit(Flag& flag) : flag_(flag) {}
    ClearedOnExit(const ClearedOnExit&) = delete;
    ClearedOnExit& operator=(const ClearedOnExit&) = delete;
    ~ClearedOnExit() { flag_ = Flag{}; }

  private:
    Flag& flag_;
};

}  // namespace

void MoveMenu(Context& context, const PreviewRebuild& rebuild) {
    // A menu cut short by an error must not send the next object to the back.
    const ClearedOnExit<bool> backRequest(context.pass.pending.moveToBack);
    for (;;) {
        PaintMoveMenu(context.screen);
        // A key that is no arrow acts as a click where the pointer last moved.
        const ClickResult input = InputRoutine(context.console);
        if (const auto arrow = ArrowOf(input.commandCode)) {
            ShiftSecondPoint(context.pass.pending, *arrow, StepOf(context.pass.memory));
            continue;
        }
        const MenuButton* button = ButtonAt(input.row, input.col);
        if (button == nullptr) continue;
        // The pressed look shows at once, also for Preview, which does not pause.
        context.screen.PaintImage(*button->pressed);
        context.console.Sleep(button->pause);
        Act(context, *button, rebuild);
        if (button->action == Action::Accept) return;
        context.console.Sleep(button->settle);
    }
}

void MoveMenuAs(Context& context, MoveMenuMode mode, const PreviewRebuild& rebuild) {
    MoveMenuMode& current = context.pass.pending.moveMenuMode;
    current = mode;
    const ClearedOnExit<MoveMenuMode> cleared(current);
    MoveMenu(context, rebuild);
}

}  // namespace gridlet
