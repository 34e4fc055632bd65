#include "design/arc_menu.h"

#include <array>

#include "design/arc_menu_art.h"
#include "dialogs/line_input.h"
#include "interact/input_routine.h"

namespace gridlet {
namespace {

constexpr int kPresetPause = 300;

struct Preset {
    int topRow, bottomRow, leftCol, rightCol;
    const char* value;
    void (*paintPressed)(Screen&);
};

constexpr Preset kRight{15, 17, 61, 73, "0", PaintArcRightPressed};
constexpr Preset kRTop{9, 11, 58, 70, ".785", PaintArcRTopPressed};
constexpr Preset kTop{7, 9, 41, 53, "1.57", PaintArcTopPressed};
constexpr Preset kLTop{9, 11, 24, 36, "2.355", PaintArcLTopPressed};
constexpr Preset kLeft{15, 17, 20, 32, "3.14", PaintArcLeftPressed};
constexpr Preset kLBottom{21, 23, 24, 36, "3.925", PaintArcLBottomPressed};
constexpr Preset kBottom{23, 25, 41, 53, "4.71", PaintArcBottomPressed};
constexpr Preset kRBottom{21, 23, 58, 70, "5.495", PaintArcRBottomPressed};

bool Hits(const Preset& preset, int row, int col) {
    return row >= preset.topRow && row <= preset.bottomRow && col >= preset.leftCol &&
           col <= preset.rightCol;
}

// The bands are tested in order and the first band that holds the click decides, so a click in a
// band but beside its buttons does nothing.
const Preset* PresetAt(int row, int col) {
    std::array<const Preset*, 2> candidates{};
    if (row >= 15 && row <= 17) {
        candidates = {&kLeft, &kRight};
    } else if (col >= 41 && col <= 53) {
        candidates = {&kTop, &kBottom};
    } else if (row >= 9 && row <= 11) {
        candidates = {&kLTop, &kRTop};
    } else if (row >= 21 && row <= 23) {
        candidates = {&kLBottom, &kRBottom};
    } else {
        return nullptr;
    }
    for (const Preset* preset : candidates) {
        if (Hits(*preset, row, col)) return preset;
    }
    return nullptr;
}

bool OnTypeIn(int row, int col) {
    return row >= 12 && row <= 20 && col >= 35 && col <= 59;
}

void TypeBothNumbers(Context& context) {
    PaintArcEntryPanel(context.screen);
    context.pass.arcStart = InputField(context.console, 15, 52);
    context.pass.arcEnd = InputField(context.console, 17, 52);
}

void TakePreset(Context& context, const Preset& preset) {
    preset.paintPressed(context.screen);
    context.console.Sleep(kPresetPause);
    (context.pass.arcStart.empty() ? context.pass.arcStart : context.pass.arcEnd) = preset.value;
}

}  // namespace

void ArcMenu(Context& context) {
    for (int clicksLeft = 2; clicksLeft != 0; --clicksLeft) {
        PaintArcMenu(context.screen);
        const ClickResult click = InputRoutine(context.console);
        if (OnTypeIn(click.row, click.col)) {
            if (context.pass.arcStart.empty()) {
                TypeBothNumbers(context);
                return;
            }
        } else if (const Preset* preset = PresetAt(click.row, click.col)) {
            TakePreset(context, *preset);
        }
    }
}

}  // namespace gridlet
