#include "design/tool_paint.h"

#include "codegen/statement_emitter.h"
#include "design/grid_markers.h"
#include "design/record_object.h"
#include "design/tool_course.h"
#include "dialogs/properties_menu.h"
#include "screen/images.h"

namespace gridlet {
namespace {

void MapPaintPoints(DesignState& s) {
    MapFirstPoint(s);
    MapSecondPoint(s, kFarOffset);
    LiftNegativeY1(s);
}

void RecordPaint(Context& context, ObjectKind kind) {
    RecordObject(context, kind, [&context] { DrawLetterP(context.screen, context.state); });
}

}  // namespace

void PaintTool(Context& context) {
    DesignState& s = context.state;
    ++s.objectNumber;
    PaintLeftPaintBoPressed(context.screen);
    if (!GraphicWindowExists(context)) return;
    s.targets.paint = true;
    OpenPropertiesMenu(context);
    MapPaintPoints(s);
    EmitStatement(s, ObjectKind::Paint);
    s.targets.paint = false;
    RecordPaint(context, ObjectKind::Paint);
}

void PaintReplaceTool(Context& context) {
    DesignState& s = context.state;
    ++s.objectNumber;
    if (!GraphicWindowExists(context)) return;
    OpenPropertiesMenu(context);
    MapPaintPoints(s);
    EmitStatement(s, ObjectKind::PaintReplace);
    RecordPaint(context, ObjectKind::PaintReplace);
}

}  // namespace gridlet
