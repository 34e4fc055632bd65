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
                   bool PropertiesTargets::*target) {
    Design& design = context.design;
    PassState& pass = context.pass;
    ++design.objectNumber;
    if (!GraphicWindowExists(context)) return;
    PressToolButton(context, command);
    ArcMenu(context);
    OpenPropertiesMenu(context);
    MapCorners(design, pass, kNearOffset);
    BuildPendingStatement(context, kind);
    if (pass.targets.*target) MoveMenu(context, RebuildAs(kind));
    pass.targets.*target = false;
    RecordObject(context, kind,
                 [&context] { DrawOutline(context.screen, context.pass.MarkedArea()); });
}

}  // namespace

void ArcTool(Context& context) {
    PlaceArcOrPie(context, ObjectKind::Arc, kArcCommand, &PropertiesTargets::arc);
}

void PieTool(Context& context) {
    PlaceArcOrPie(context, ObjectKind::Pie, kPieCommand, &PropertiesTargets::pie);
}

}  // namespace gridlet
