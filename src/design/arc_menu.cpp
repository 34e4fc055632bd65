#include "design/arc_menu.h"

#include <array>

#include "design/arc_menu_art.h"
#include "dialogs/line_input.h"
#include "interact/input_routine.h"

namespace gridlet {
namespace {

constexpr int kPresetPause = 300;

struct Preset {
    CellRect button;
    const char* value;
    const ImageInfo* pressed;
};

constexpr Preset kRight{{15, 61, 17, 73}, "0", &kArcRightPressed};
constexpr Preset kRTop{{9, 58, 11, 70}, ".785", &kArcRTopPressed};
constexpr Preset kTop{{7, 41, 9, 53}, "1.57", &kArcTopPressed};
constexpr Preset kLTop{{9, 24, 11, 36}, "2.355", &kArcLTopPressed};
constexpr Preset kLeft{{15, 20, 17, 32}, "3.14", &kArcLeftPressed};
constexpr Preset kLBottom{{21, 24, 23, 36}, "3.925", &kArcLBottomPressed};
constexpr Preset kBottom{{23, 41, 25, 53}, "4.71", &kArcBottomPressed};
constexpr Preset kRBottom{{21, 58, 23, 70}, "5.495", &kArcRBottomPressed};

constexpr CellRect kTypeIn{12, 35, 20, 59};

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
        if (preset->button.Contains(row, col)) return preset;
    }
    return nullptr;
}

void TypeBothNumbers(Context& context) {
    PaintArcEntryPanel(context.screen);
    context.pass.pending.arcStart = InputField(context.console, 15, 52);
    context.pass.pending.arcEnd = InputField(context.console, 17, 52);
}

void TakePreset(Context& context, const Preset& preset) {
    context.screen.PaintImage(*preset.pressed);
    context.console.Sleep(kPresetPause);
    (context.pass.pending.arcStart.empty() ? context.pass.pending.arcStart
                                           : context.pass.pending.arcEnd) = preset.value;
}

}  // namespace

void ArcMenu(Context& context) {
    for (int clicksLeft = 2; clicksLeft != 0; --clicksLeft) {
        PaintArcMenu(context.screen);
        const ClickResult click = InputRoutine(context.console);
        if (kTypeIn.Contains(click.row, click.col)) {
            if (context.pass.pending.arcStart.empty()) {
                TypeBothNumbers(context);
                return;
            }
        } else if (const Preset* preset = PresetAt(click.row, click.col)) {
            TakePreset(context, *preset);
        }
    }
}

}  // namespace gridlet
