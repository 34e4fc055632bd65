#include "design/tool_lines.h"

#include "design/grid_markers.h"
#include "design/record_object.h"
#include "design/tool_course.h"
#include "model/command_codes.h"

namespace gridlet {
namespace {

void RecordLine(Context& context, ObjectKind kind) {
    RecordObject(context, kind, {.kind = MarkKind::Line, .area = context.pass.area.Rect()});
}

}  // namespace

void LineTool(Context& context) {
    Design& design = context.design;
    PassState& pass = context.pass;
    PressToolButton(context.screen, kLineCommand);
    pass.current.lineKeepFlag = true;
    ++design.objectNumber;
    if (!GraphicWindowExists(context)) return;
    MapCorners(design, pass.area, pass.pending, kNearOffset);
    BuildPendingStatement(context.pass.pending, context.pass.current.properties,
                          context.design.objectNumber, ObjectKind::Line);
    if (pass.current.target == PropertiesTarget::Line)
        MoveMenu(context, RebuildAs(ObjectKind::Line));
    pass.current.target = PropertiesTarget::None;
    RecordLine(context, ObjectKind::Line);
}

void LineStepTool(Context& context) {
    Design& design = context.design;
    PassState& pass = context.pass;
    PressToolButton(context.screen, kLineStepCommand);
    ++design.objectNumber;
    if (!GraphicWindowExists(context)) return;
    MapFirstPoint(design, pass.area, pass.pending);
    LiftNegativeY1(pass.pending);
    BuildPendingStatement(context.pass.pending, context.pass.current.properties,
                          context.design.objectNumber, ObjectKind::LineStep);
    MoveMenuAs(context, MoveMenuMode::LineStep, RebuildAs(ObjectKind::LineStep));
    RecordLine(context, ObjectKind::LineStep);
}

}  // namespace gridlet
