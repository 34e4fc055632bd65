#include "design/tool_paint.h"

#include "design/grid_markers.h"
#include "design/record_object.h"
#include "design/tool_course.h"
#include "dialogs/properties_menu.h"
#include "model/command_codes.h"

namespace gridlet {
namespace {

void RecordPaint(Context& context, ObjectKind kind) {
    RecordObject(context, kind,
                 [&context] { DrawLetterP(context.screen, context.pass.MarkedArea()); });
}

}  // namespace

void PaintTool(Context& context) {
    Design& design = context.design;
    PassState& pass = context.pass;
    ++design.objectNumber;
    PressToolButton(context, kPaintCommand);
    if (!GraphicWindowExists(context)) return;
    pass.targets.paint = true;
    OpenPropertiesMenu(context);
    MapCorners(design, pass, kFarOffset);
    BuildPendingStatement(context, ObjectKind::Paint);
    // The design's first paint is its background and stays where it is.
    if (design.objectNumber != 1) MoveMenu(context, RebuildAs(ObjectKind::Paint));
    pass.targets.paint = false;
    RecordPaint(context, ObjectKind::Paint);
}

void PaintReplaceTool(Context& context) {
    Design& design = context.design;
    PassState& pass = context.pass;
    ++design.objectNumber;
    if (!GraphicWindowExists(context)) return;
    OpenPropertiesMenu(context);
    MapCorners(design, pass, kFarOffset);
    BuildPendingStatement(context, ObjectKind::PaintReplace);
    RecordPaint(context, ObjectKind::PaintReplace);
}

}  // namespace gridlet
