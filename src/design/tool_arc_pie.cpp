#include "design/tool_arc_pie.h"

#include "codegen/statement_emitter.h"
#include "design/arc_menu.h"
#include "design/grid_markers.h"
#include "design/record_object.h"
#include "design/tool_course.h"
#include "dialogs/properties_menu.h"
#include "screen/images.h"

namespace gridlet {
namespace {

// The pressed button shows only once the window is known to exist, and without a pause.
void PlaceArcOrPie(Context& context, ObjectKind kind, void (*paintPressed)(Screen&),
                   bool PropertiesTargets::*target) {
    DesignState& s = context.state;
    ++s.objectNumber;
    if (!GraphicWindowExists(context)) return;
    paintPressed(context.screen);
    ArcMenu(context);
    OpenPropertiesMenu(context);
    MapFirstPoint(s);
    MapSecondPoint(s, kNearOffset);
    LiftNegativeY1(s);
    EmitStatement(s, kind);
    s.targets.*target = false;
    RecordObject(context, kind, [&context] { DrawOutline(context.screen, context.state); });
}

}  // namespace

void ArcTool(Context& context) {
    PlaceArcOrPie(context, ObjectKind::Arc, PaintLeftArcPressed, &PropertiesTargets::arc);
}

void PieTool(Context& context) {
    PlaceArcOrPie(context, ObjectKind::Pie, PaintLeftPiePressed, &PropertiesTargets::pie);
}

}  // namespace gridlet
