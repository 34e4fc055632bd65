#include "design/tool_string.h"

#include "codegen/font_head.h"
#include "codegen/string_variable.h"
#include "design/grid_markers.h"
#include "design/kept_on_exit.h"
#include "design/move_menu.h"
#include "design/record_object.h"
#include "design/string_panel_art.h"
#include "design/text_font.h"
#include "design/tool_course.h"
#include "dialogs/line_input.h"
#include "dialogs/properties_menu.h"
#include "interact/input_routine.h"
#include "model/pixel_mapping.h"
#include "platform/keys.h"
#include "platform/trim.h"

namespace gridlet {
namespace {

constexpr int kPressedPause = 200;

constexpr int kNameRow = 17;
constexpr int kNameCol = 49;

// One click or key in the panel; false when it leaves the panel.
bool TakePanelInput(Context& context, const ClickResult& click, std::string& name) {
    Screen& screen = context.screen;
    if (click.commandCode == kEscKey) return false;
    if (kStringColorPressed.Rect().Contains(click.row, click.col)) {
        PaintStringColorPressed(screen);
        OpenPropertiesMenu(context);
    } else if (kStringFontPressed.Rect().Contains(click.row, click.col)) {
        PaintStringFontPressed(screen);
        ChooseFontHead(context);
    } else if (kStringNamePressed.Rect().Contains(click.row, click.col)) {
        PaintStringNamePressed(screen);
        context.console.Sleep(kPressedPause);
        name = Trim(LineAt(context.console, kNameRow, kNameCol));
    } else if (click.row >= kStringFinishPressed.topRow &&
               click.row <= kStringFinishPressed.bottomRow) {
        PaintStringFinishPressed(screen);
        context.console.Sleep(kPressedPause);
        // The whole row of the Finish button is pressed, but only the button finishes.
        return !kStringFinishPressed.Rect().Contains(click.row, click.col);
    }
    return true;
}

// The panel until Finish or Esc; the variable's name, empty when none was typed.
std::string AskForName(Context& context) {
    std::string beneath;
    context.screen.SaveScreen(beneath);
    PaintStringPanel(context.screen);
    std::string name;
    while (TakePanelInput(context, InputRoutine(context.console), name)) {
    }
    context.screen.RestoreScreen(beneath);
    return name;
}

// Where the variable is printed: the part of the DoString body that prints it, and the place and
// colours it was made from.
struct Place {
    std::string positionPart;
    ObjectValues values;
};

// The move menu in its string mode. Each Preview prints the variable at the shifted place in
// the DoString body, which is put back when the menu ends. The place last previewed, empty
// without a Preview: only a preview of the place prints the variable.
Place PreviewedPlace(Context& context, const std::string& name) {
    const KeptOnExit<std::string> body(context.design.doStringBody);
    Place place;
    MoveMenuAs(context, MoveMenuMode::StringVariable, [&](Context& c) {
        const Properties& properties = c.pass.current.properties;
        place.positionPart = StringPositionPart(properties.edgeColor, properties.fillColor,
                                                c.pass.pending.x1, c.pass.pending.y1, name);
        place.values.x1 = c.pass.pending.x1;
        place.values.y1 = c.pass.pending.y1;
        place.values.properties = properties;
        place.values.printed = true;
        c.design.doStringBody = body.Kept() + c.pass.current.font.fontHead + place.positionPart;
    });
    return place;
}

}  // namespace

void StringTool(Context& context) {
    Design& design = context.design;
    PassState& pass = context.pass;
    ++design.objectNumber;
    if (!GraphicWindowExists(context)) return;
    const std::string name = AskForName(context);
    // A nameless variable would be a declaration that does not compile.
    if (name.empty()) {
        AbandonCommand(context.screen, context.pass);
        --design.objectNumber;
        return;
    }
    if (!HasFontNew(pass.current.font.fontHead))
        pass.current.font.fontHead = kStringDefaultFontHead;
    pass.pending.x1 = PixelX(pass.area.AreaLeft, design.windowLeftCol, kStringFirstOffset.ox);
    pass.pending.y1 = PixelY(pass.area.AreaTop, design.windowTopRow, kStringFirstOffset.oy);
    pass.pending.x2 = PixelX(pass.area.AreaRight, design.windowLeftCol, kStringSecondOffset.ox);
    pass.pending.y2 = PixelY(pass.area.AreaBottom, design.windowTopRow, kStringSecondOffset.oy);
    ++design.stringCounter;
    design.mainAssignments += StringAssignmentLine(name, design.stringCounter);
    design.globalDecls += StringGlobalLine(name);

    Place place = PreviewedPlace(context, name);
    const std::string& fontHead = pass.current.font.fontHead;
    place.values.name = name;
    place.values.fontHead = fontHead;
    DesignObject variable;
    variable.number = design.objectNumber;
    variable.kind = ObjectKind::StringVariable;
    variable.values = std::move(place.values);
    variable.block = fontHead + place.positionPart;
    variable.mark = {.kind = MarkKind::StringVariable, .area = pass.area.Rect(), .name = name};
    // Undo takes back the place the variable is printed at; its font head stays.
    DesignObject leftover;
    leftover.number = variable.number;
    leftover.kind = ObjectKind::StringVariable;
    leftover.block = fontHead;
    leftover.leftover = true;
    RecordObject(context, std::move(variable), std::move(leftover));
    pass.current.font.fontHead.clear();
}

}  // namespace gridlet
