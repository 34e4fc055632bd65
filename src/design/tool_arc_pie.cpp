#include "design/tool_arc_pie.h"

#include "design/arc_menu.h"
#include "design/grid_markers.h"
#include "design/record_object.h"
#include "design/tool_course.h"
#include "dialogs/properties_menu.h"
#include "model/command_codes.h"

namespace gridlet {
namespace {

// The pressed button shows only once the window is known to exist, and without a pause.
void PlaceArcOrPie(Context& context, ObjectKind kind, std::int16_t command,
                   PropertiesTarget target) {
    Design& design = context.design;
    PassState& pass = context.pass;
    ++design.objectNumber;
    if (!GraphicWindowExists(context)) return;
    PressToolButton(context.screen, command);
    ArcMenu(context);
    OpenPropertiesMenu(context);
    MapCorners(design, pass.area, pass.pending, kNearOffset);
    BuildPendingStatement(context.pass.pending, context.pass.current.properties,
                          context.design.objectNumber, kind);
    if (pass.current.target == target) MoveMenu(context, RebuildAs(kind));
    pass.current.target = PropertiesTarget::None;
    RecordObject(context, kind, {.kind = MarkKind::Outline, .area = pass.area.Rect()});
}

}  // namespace

void ArcTool(Context& context) {
    PlaceArcOrPie(context, ObjectKind::Arc, kArcCommand, PropertiesTarget::Arc);
}

void PieTool(Context& context) {
    PlaceArcOrPie(context, ObjectKind::Pie, kPieCommand, PropertiesTarget::Pie);
}

}  // namespace gridlet
