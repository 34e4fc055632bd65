#include "design/tool_course.h"

#include "interact/strip_buttons.h"
#include "model/pixel_mapping.h"
#include "screen/popups.h"

namespace gridlet {

void PressToolButton(Context& context, std::int16_t command) {
    PressButton(context.screen, CommandButton(Strip::Left, command));
}

void AbandonCommand(Context& context) {
    PassState& pass = context.pass;
    context.screen.RestoreScreen(pass.snapshot);
    pass.snapshot.clear();
    // A refused line must not keep its width and colour for the next command.
    pass.lineKeepFlag = false;
}

bool GraphicWindowExists(Context& context) {
    if (context.design.windowExists != 0) return true;
    WindowNeededMessage(context.console);
    AbandonCommand(context);
    return false;
}

bool AreaHasTwoColumns(Context& context) {
    if (context.pass.AreaLeft != context.pass.AreaRight) return true;
    AreaNeededMessage(context.console, context.screen);
    AbandonCommand(context);
    return false;
}

void MapFirstPoint(const Design& design, PassState& pass) {
    pass.x1 = PixelX(pass.AreaLeft, design.windowLeftCol, kNearOffset.ox);
    pass.y1 = PixelY(pass.AreaTop, design.windowTopRow, kNearOffset.oy);
}

void MapSecondPoint(const Design& design, PassState& pass, PixelOffset offset) {
    pass.x2 = PixelX(pass.AreaRight, design.windowLeftCol, offset.ox);
    pass.y2 = PixelY(pass.AreaBottom, design.windowTopRow, offset.oy);
}

void LiftNegativeY1(PassState& pass) {
    if (pass.y1 < 0) pass.y1 = 3;
}

void MapCorners(const Design& design, PassState& pass, PixelOffset second) {
    MapFirstPoint(design, pass);
    MapSecondPoint(design, pass, second);
    LiftNegativeY1(pass);
}

void BuildPendingStatement(Context& context, ObjectKind kind, Build build) {
    const PassState& pass = context.pass;
    const StatementValues values{context.design.objectNumber,
                                 pass.x1,
                                 pass.y1,
                                 pass.x2,
                                 pass.y2,
                                 pass.starWidth,
                                 pass.starHeight,
                                 pass.arcStart,
                                 pass.arcEnd,
                                 pass.bitmapPath,
                                 pass.properties};
    context.pass.pendingStatement = StatementBlock(values, kind, build);
}

PreviewRebuild RebuildAs(ObjectKind kind) {
    return [kind](Context& context) { BuildPendingStatement(context, kind, Build::Rebuild); };
}

}  // namespace gridlet
