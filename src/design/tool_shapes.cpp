#include "design/tool_shapes.h"

#include "codegen/local_decls.h"
#include "codegen/statement_emitter.h"
#include "design/grid_markers.h"
#include "design/record_object.h"
#include "design/tool_course.h"
#include "model/command_codes.h"

namespace gridlet {
namespace {

// Builds the block, offers the move menu when the right strip started the tool, lets go of the
// strip's target and records the object with its outline.
void PlaceOutlined(Context& context, ObjectKind kind, PropertiesTarget target) {
    BuildPendingStatement(context.pass.pending, context.pass.current.properties,
                          context.design.objectNumber, kind);
    if (context.pass.current.target == target) MoveMenu(context, RebuildAs(kind));
    context.pass.current.target = PropertiesTarget::None;
    RecordObject(context, kind, {.kind = MarkKind::Outline, .area = context.pass.area.Rect()});
}

}  // namespace

void StarTool(Context& context) {
    Design& design = context.design;
    PassState& pass = context.pass;
    PressToolButton(context.screen, kStarCommand);
    ++design.objectNumber;
    if (!GraphicWindowExists(context) || !AreaHasTwoColumns(context)) return;
    MapFirstPoint(design, pass.area, pass.pending);
    MapSecondPoint(design, pass.area, pass.pending, kFarOffset);
    // The inner points keep the size the star was placed with, whatever the move menu does.
    pass.pending.starWidth = pass.pending.x2 - pass.pending.x1;
    pass.pending.starHeight = pass.pending.y2 - pass.pending.y1;
    AddSupport(design, AddStarSupport);
    design.localDecls = AddStarLocals(design.localDecls);
    // A star without a chosen point count has five points, and without an edge colour a black
    // edge; the properties keep these for the rest of the command.
    DefaultStarPoints(pass.current.properties);
    DefaultStarEdge(pass.current.properties);
    PlaceOutlined(context, ObjectKind::Star, PropertiesTarget::Star);
}

void PolygonTool(Context& context) {
    Design& design = context.design;
    PassState& pass = context.pass;
    PressToolButton(context.screen, kPolygonCommand);
    ++design.objectNumber;
    if (!GraphicWindowExists(context) || !AreaHasTwoColumns(context)) return;
    MapCorners(design, pass.area, pass.pending, kNearOffset);
    AddSupport(design, AddPolygonSupport);
    design.localDecls = AddPolygonLocals(design.localDecls);
    // A polygon without a chosen side count has eight sides.
    DefaultPolygonSides(pass.current.properties);
    PlaceOutlined(context, ObjectKind::Polygon, PropertiesTarget::Polygon);
}

void BoxTool(Context& context) {
    Design& design = context.design;
    PassState& pass = context.pass;
    PressToolButton(context.screen, kRectangleCommand);
    ++design.objectNumber;
    if (!GraphicWindowExists(context)) return;
    MapCorners(design, pass.area, pass.pending, kNearOffset);
    PlaceOutlined(context, ObjectKind::Box, PropertiesTarget::Rectangle);
}

void EllipseTool(Context& context) {
    Design& design = context.design;
    PassState& pass = context.pass;
    ++design.objectNumber;
    PressToolButton(context.screen, kEllipseCommand);
    if (!GraphicWindowExists(context)) return;
    MapCorners(design, pass.area, pass.pending, kNearOffset);
    PlaceOutlined(context, ObjectKind::Ellipse, PropertiesTarget::Ellipse);
}

}  // namespace gridlet
