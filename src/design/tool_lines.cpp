#include "design/tool_lines.h"

#include "codegen/statement_emitter.h"
#include "design/grid_markers.h"
#include "design/record_object.h"
#include "design/tool_course.h"
#include "screen/images.h"

namespace gridlet {
namespace {

void RecordLine(Context& context, ObjectKind kind) {
    RecordObject(context, kind, [&context] { DrawLineMarker(context.screen, context.state); });
}

}  // namespace

void LineTool(Context& context) {
    DesignState& s = context.state;
    PaintLeftLinePressed(context.screen);
    context.console.Sleep(kToolStartPause);
    s.lineKeepFlag = true;
    ++s.objectNumber;
    if (!GraphicWindowExists(context)) return;
    MapFirstPoint(s);
    MapSecondPoint(s, kNearOffset);
    LiftNegativeY1(s);
    EmitStatement(s, ObjectKind::Line);
    s.targets.line = false;
    RecordLine(context, ObjectKind::Line);
}

void LineStepTool(Context& context) {
    DesignState& s = context.state;
    PaintLeftLineStpPressed(context.screen);
    context.console.Sleep(kToolStartPause);
    ++s.objectNumber;
    if (!GraphicWindowExists(context)) return;
    MapFirstPoint(s);
    LiftNegativeY1(s);
    EmitStatement(s, ObjectKind::LineStep);
    RecordLine(context, ObjectKind::LineStep);
}

}  // namespace gridlet
