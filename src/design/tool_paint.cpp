#include "design/tool_paint.h"

#include "design/grid_markers.h"
#include "design/record_object.h"
#include "design/tool_course.h"
#include "dialogs/properties_menu.h"
#include "model/command_codes.h"

namespace gridlet {
namespace {

void RecordPaint(Context& context, ObjectKind kind) {
    // The letter takes the colours the console has when the object is recorded.
    RecordObject(context, kind,
                 {.kind = MarkKind::LetterP,
                  .area = context.pass.area.Rect(),
                  .attribute = context.console.Attribute()});
}

}  // namespace

void PaintTool(Context& context) {
    Design& design = context.design;
    PassState& pass = context.pass;
    ++design.objectNumber;
    PressToolButton(context.screen, kPaintCommand);
    if (!GraphicWindowExists(context)) return;
    pass.current.target = PropertiesTarget::Paint;
    OpenPropertiesMenu(context);
    MapCorners(design, pass.area, pass.pending, kFarOffset);
    BuildPendingStatement(context.pass.pending, context.pass.current.properties,
                          context.design.objectNumber, ObjectKind::Paint);
    // The design's first paint is its background and stays where it is.
    if (design.objectNumber != 1) MoveMenu(context, RebuildAs(ObjectKind::Paint));
    pass.current.target = PropertiesTarget::None;
    RecordPaint(context, ObjectKind::Paint);
}

void PaintReplaceTool(Context& context) {
    Design& design = context.design;
    PassState& pass = context.pass;
    ++design.objectNumber;
    if (!GraphicWindowExists(context)) return;
    OpenPropertiesMenu(context);
    MapCorners(design, pass.area, pass.pending, kFarOffset);
    BuildPendingStatement(context.pass.pending, context.pass.current.properties,
                          context.design.objectNumber, ObjectKind::PaintReplace);
    RecordPaint(context, ObjectKind::PaintReplace);
}

}  // namespace gridlet
