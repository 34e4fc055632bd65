#include "design/tool_shapes.h"

#include "codegen/local_decls.h"
#include "codegen/statement_emitter.h"
#include "codegen/support_functions.h"
#include "design/grid_markers.h"
#include "design/record_object.h"
#include "design/tool_course.h"
#include "screen/images.h"

namespace gridlet {
namespace {

void StartWithPressedButton(Context& context, void (*paintPressed)(Screen&)) {
    paintPressed(context.screen);
    context.console.Sleep(kToolStartPause);
}

// Builds the block, lets go of the right strip's target and records the object with its outline.
void PlaceOutlined(Context& context, ObjectKind kind, bool PropertiesTargets::*target) {
    DesignState& s = context.state;
    EmitStatement(s, kind);
    s.targets.*target = false;
    RecordObject(context, kind, [&context] { DrawOutline(context.screen, context.state); });
}

}  // namespace

void StarTool(Context& context) {
    DesignState& s = context.state;
    StartWithPressedButton(context, PaintLeftStarPressed);
    ++s.objectNumber;
    if (!GraphicWindowExists(context) || !AreaHasTwoColumns(context)) return;
    MapFirstPoint(s);
    MapSecondPoint(s, kFarOffset);
    // The inner points keep the size the star was placed with, whatever the move menu does.
    s.starWidth = s.x2 - s.x1;
    s.starHeight = s.y2 - s.y1;
    AddStarSupport(s);
    AddStarLocals(s);
    PlaceOutlined(context, ObjectKind::Star, &PropertiesTargets::star);
}

void PolygonTool(Context& context) {
    DesignState& s = context.state;
    StartWithPressedButton(context, PaintLeftPolyPressed);
    ++s.objectNumber;
    if (!GraphicWindowExists(context) || !AreaHasTwoColumns(context)) return;
    MapFirstPoint(s);
    MapSecondPoint(s, kNearOffset);
    LiftNegativeY1(s);
    AddPolygonSupport(s);
    AddPolygonLocals(s);
    PlaceOutlined(context, ObjectKind::Polygon, &PropertiesTargets::polygon);
}

void BoxTool(Context& context) {
    DesignState& s = context.state;
    StartWithPressedButton(context, PaintLeftRectangPressed);
    ++s.objectNumber;
    if (!GraphicWindowExists(context)) return;
    MapFirstPoint(s);
    MapSecondPoint(s, kNearOffset);
    LiftNegativeY1(s);
    PlaceOutlined(context, ObjectKind::Box, &PropertiesTargets::rectangle);
}

void EllipseTool(Context& context) {
    DesignState& s = context.state;
    ++s.objectNumber;
    StartWithPressedButton(context, PaintLeftEllipsePressed);
    if (!GraphicWindowExists(context)) return;
    MapFirstPoint(s);
    MapSecondPoint(s, kNearOffset);
    LiftNegativeY1(s);
    PlaceOutlined(context, ObjectKind::Ellipse, &PropertiesTargets::ellipse);
}

}  // namespace gridlet
