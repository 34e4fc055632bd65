#include "design/tool_shapes.h"

#include "codegen/local_decls.h"
#include "codegen/statement_emitter.h"
#include "codegen/support_functions.h"
#include "design/grid_markers.h"
#include "design/record_object.h"
#include "design/tool_course.h"
#include "model/command_codes.h"

namespace gridlet {
namespace {

// The design's TYPE declarations and support functions with what a kind of object needs added.
void AddSupport(Design& design, SupportTexts (*add)(SupportTexts)) {
    const SupportTexts support = add({design.typeDecls, design.supportFunctions});
    design.typeDecls = support.typeDecls;
    design.supportFunctions = support.supportFunctions;
}

// Builds the block, offers the move menu when the right strip started the tool, lets go of the
// strip's target and records the object with its outline.
void PlaceOutlined(Context& context, ObjectKind kind, bool PropertiesTargets::*target) {
    BuildPendingStatement(context, kind);
    if (context.pass.targets.*target) MoveMenu(context, RebuildAs(kind));
    context.pass.targets.*target = false;
    RecordObject(context, kind,
                 [&context] { DrawOutline(context.screen, context.pass.MarkedArea()); });
}

}  // namespace

void StarTool(Context& context) {
    Design& design = context.design;
    PassState& pass = context.pass;
    PressToolButton(context, kStarCommand);
    ++design.objectNumber;
    if (!GraphicWindowExists(context) || !AreaHasTwoColumns(context)) return;
    MapFirstPoint(design, pass);
    MapSecondPoint(design, pass, kFarOffset);
    // The inner points keep the size the star was placed with, whatever the move menu does.
    pass.starWidth = pass.x2 - pass.x1;
    pass.starHeight = pass.y2 - pass.y1;
    AddSupport(design, AddStarSupport);
    design.localDecls = AddStarLocals(design.localDecls);
    // A star without a chosen point count has five points, and without an edge colour a black
    // edge; the properties keep these for the rest of the command.
    DefaultStarPoints(pass.properties);
    DefaultStarEdge(pass.properties);
    PlaceOutlined(context, ObjectKind::Star, &PropertiesTargets::star);
}

void PolygonTool(Context& context) {
    Design& design = context.design;
    PassState& pass = context.pass;
    PressToolButton(context, kPolygonCommand);
    ++design.objectNumber;
    if (!GraphicWindowExists(context) || !AreaHasTwoColumns(context)) return;
    MapCorners(design, pass, kNearOffset);
    AddSupport(design, AddPolygonSupport);
    design.localDecls = AddPolygonLocals(design.localDecls);
    // A polygon without a chosen side count has eight sides.
    DefaultPolygonSides(pass.properties);
    PlaceOutlined(context, ObjectKind::Polygon, &PropertiesTargets::polygon);
}

void BoxTool(Context& context) {
    Design& design = context.design;
    PassState& pass = context.pass;
    PressToolButton(context, kRectangleCommand);
    ++design.objectNumber;
    if (!GraphicWindowExists(context)) return;
    MapCorners(design, pass, kNearOffset);
    PlaceOutlined(context, ObjectKind::Box, &PropertiesTargets::rectangle);
}

void EllipseTool(Context& context) {
    Design& design = context.design;
    PassState& pass = context.pass;
    ++design.objectNumber;
    PressToolButton(context, kEllipseCommand);
    if (!GraphicWindowExists(context)) return;
    MapCorners(design, pass, kNearOffset);
    PlaceOutlined(context, ObjectKind::Ellipse, &PropertiesTargets::ellipse);
}

}  // namespace gridlet
