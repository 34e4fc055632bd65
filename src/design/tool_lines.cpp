#include "design/tool_lines.h"

#include "design/grid_markers.h"
#include "design/record_object.h"
#include "design/tool_course.h"
#include "model/command_codes.h"

namespace gridlet {
namespace {

void RecordLine(Context& context, ObjectKind kind) {
    RecordObject(context, kind,
                 [&context] { DrawLineMarker(context.screen, context.pass.MarkedArea()); });
}

}  // namespace

void LineTool(Context& context) {
    Design& design = context.design;
    PassState& pass = context.pass;
    PressToolButton(context, kLineCommand);
    pass.lineKeepFlag = true;
    ++design.objectNumber;
    if (!GraphicWindowExists(context)) return;
    MapCorners(design, pass, kNearOffset);
    BuildPendingStatement(context, ObjectKind::Line);
    if (pass.targets.line) MoveMenu(context, RebuildAs(ObjectKind::Line));
    pass.targets.line = false;
    RecordLine(context, ObjectKind::Line);
}

void LineStepTool(Context& context) {
    Design& design = context.design;
    PassState& pass = context.pass;
    PressToolButton(context, kLineStepCommand);
    ++design.objectNumber;
    if (!GraphicWindowExists(context)) return;
    MapFirstPoint(design, pass);
    LiftNegativeY1(pass);
    BuildPendingStatement(context, ObjectKind::LineStep);
    MoveMenuAs(context, &MoveMenuKinds::lineStep, RebuildAs(ObjectKind::LineStep));
    RecordLine(context, ObjectKind::LineStep);
}

}  // namespace gridlet
