#include "dialogs/properties_menu.h"

#include <array>

#include "dialogs/colour_chooser.h"
#include "dialogs/line_input.h"
#include "dialogs/properties_menu_art.h"
#include "interact/input_routine.h"

namespace gridlet {
namespace {

constexpr int kPressedPause = 200;

// The thickness buttons in order, the n-th setting a width of 2n. The last frame is a column
// wider than its button: a click on that column picks nothing.
const std::array<const ImageInfo*, 10> kThicknessPressed = {
    &kThickness1Pressed, &kThickness2Pressed, &kThickness3Pressed, &kThickness4Pressed,
    &kThickness5Pressed, &kThickness6Pressed, &kThickness7Pressed, &kThickness8Pressed,
    &kThickness9Pressed, &kThickness10Pressed};
constexpr int kThicknessLastCol = 60;

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

// A click beside the buttons leaves the width.
void PickThickness(Context& context, const ClickResult& click) {
    PaintThicknessRow(context.screen);
    if (click.col > kThicknessLastCol) return;
    for (std::size_t i = 0; i < kThicknessPressed.size(); ++i) {
        if (!kThicknessPressed[i]->Rect().Contains(click.row, click.col)) continue;
        context.screen.PaintImage(*kThicknessPressed[i]);
        context.console.Sleep(kPressedPause);
        context.pass.current.properties.lineWidth = std::to_string(2 * (i + 1));
        return;
    }
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
    } else if (click.row >= kThicknessRow.topRow && click.row <= kThicknessRow.bottomRow) {
        if (ThicknessBarred(target)) return;
        PickThickness(context, click);
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
