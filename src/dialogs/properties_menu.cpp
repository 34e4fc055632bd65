#include "dialogs/properties_menu.h"

#include <array>

#include "dialogs/colour_chooser.h"
#include "dialogs/line_input.h"
#include "dialogs/properties_menu_art.h"
#include "interact/input_routine.h"

namespace gridlet {
namespace {

constexpr int kPressedPause = 200;

using PaintProcedure = void (*)(Screen&);

constexpr std::array<PaintProcedure, 10> kThicknessPressed = {
    PaintThickness1Pressed, PaintThickness2Pressed, PaintThickness3Pressed, PaintThickness4Pressed,
    PaintThickness5Pressed, PaintThickness6Pressed, PaintThickness7Pressed, PaintThickness8Pressed,
    PaintThickness9Pressed, PaintThickness10Pressed};

// The menu's buttons.
constexpr CellRect kFillColourButton{6, 38, 8, 55};
constexpr CellRect kEdgeColourButton{9, 38, 11, 55};
constexpr CellRect kStyleButton{12, 38, 14, 55};
constexpr CellRect kNumberButton{15, 38, 17, 55};
constexpr CellRect kOkButton{24, 43, 26, 50};

bool OnButton(const ClickResult& click, const CellRect& button) {
    return button.Contains(click.row, click.col);
}

using enum PropertiesTarget;

// What each kind of object keeps out of the menu.
bool FillColourBarred(PropertiesTarget t) {
    return t == Line || t == Arc || t == Star;
}
bool EdgeColourBarred(PropertiesTarget t) {
    return t == PaintReplace;
}
bool StyleBarred(PropertiesTarget t) {
    return t == Line || t == Arc || t == Star || t == Text || t == Paint || t == PaintReplace;
}
bool CornerBarred(PropertiesTarget t) {
    return t == Line || t == Arc || t == Text || t == Pie || t == Ellipse || t == Paint ||
           t == PaintReplace;
}
bool ThicknessBarred(PropertiesTarget t) {
    return t == Text || t == Paint || t == PaintReplace;
}

// A cancelled chooser leaves the property as it was.
void ChooseColourInto(Screen& screen, std::string& property) {
    if (auto colour = ChooseColour(screen)) property = *colour;
}

void StyleEntry(Context& context) {
    std::string beneath;
    context.screen.SaveScreen(beneath);
    PaintPropertiesStylePressed(context.screen);
    PaintStylePanel(context.screen);
    context.pass.current.properties.fillStyle = InputField(context.console, 23, 50);
    context.screen.RestoreScreen(beneath);
}

void NumberEntry(Context& context) {
    std::string beneath;
    context.screen.SaveScreen(beneath);
    PaintNumberPanel(context.screen);
    context.pass.current.properties.cornerSidesPoints = InputField(context.console, 16, 56);
    context.screen.RestoreScreen(beneath);
}

// The buttons sit three columns apart from column 31; a click past the last leaves the width.
void PickThickness(Context& context, int col) {
    PaintThicknessRow(context.screen);
    if (col < 31 || col > 60) return;
    const int button = (col - 31) / 3;
    kThicknessPressed[static_cast<std::size_t>(button)](context.screen);
    context.console.Sleep(kPressedPause);
    context.pass.current.properties.lineWidth = std::to_string(2 * (button + 1));
}

bool OnOk(const ClickResult& click) {
    return OnButton(click, kOkButton);
}

// A barred button beeps or stays silent as the menu has it; the values stay as they are.
void TakeClick(Context& context, const ClickResult& click) {
    const PropertiesTarget target = context.pass.current.target;
    Properties& properties = context.pass.current.properties;
    if (OnButton(click, kFillColourButton)) {
        if (FillColourBarred(target)) {
            context.console.Beep();
            return;
        }
        PaintPropertiesFillPressed(context.screen);
        ChooseColourInto(context.screen, properties.fillColor);
    } else if (OnButton(click, kEdgeColourButton)) {
        if (EdgeColourBarred(target)) return;
        PaintPropertiesEdgePressed(context.screen);
        ChooseColourInto(context.screen, properties.edgeColor);
    } else if (OnButton(click, kStyleButton)) {
        if (StyleBarred(target)) {
            context.console.Beep();
            return;
        }
        StyleEntry(context);
    } else if (OnButton(click, kNumberButton)) {
        if (CornerBarred(target)) {
            context.console.Beep();
            return;
        }
        NumberEntry(context);
    } else if (click.row >= 20 && click.row <= 22) {
        if (ThicknessBarred(target)) return;
        PickThickness(context, click.col);
    }
}

}  // namespace

void OpenPropertiesMenu(Context& context) {
    std::string beneath;
    context.screen.SaveScreen(beneath);
    PaintPropertiesMenu(context.screen);
    for (;;) {
        const ClickResult click = InputRoutine(context.console);
        if (OnOk(click)) break;
        TakeClick(context, click);
    }
    PaintPropertiesOkPressed(context.screen);
    context.console.Sleep(kPressedPause);
    context.screen.RestoreScreen(beneath);
}

}  // namespace gridlet
