#include "design/tool_course.h"

#include "interact/strip_buttons.h"
#include "model/pixel_mapping.h"
#include "screen/popups.h"

namespace gridlet {

void AddSupport(Design& design, SupportTexts (*add)(SupportTexts)) {
    const SupportTexts support = add({design.typeDecls, design.supportFunctions});
    design.typeDecls = support.typeDecls;
    design.supportFunctions = support.supportFunctions;
}

void PressToolButton(Screen& screen, std::int16_t command) {
    PressButton(screen, CommandButton(Strip::Left, command));
}

void AbandonCommand(Screen& screen, PassState& pass) {
    screen.RestoreScreen(pass.snapshot);
    pass.snapshot.clear();
    // A refused line must not keep its width and colour for the next command.
    pass.current.lineKeepFlag = false;
}

bool GraphicWindowExists(Context& context) {
    if (context.design.windowExists != 0) return true;
    WindowNeededMessage(context.console);
    AbandonCommand(context.screen, context.pass);
    return false;
}

bool AreaHasTwoColumns(Context& context) {
    if (context.pass.area.AreaLeft != context.pass.area.AreaRight) return true;
    AreaNeededMessage(context.console, context.screen);
    AbandonCommand(context.screen, context.pass);
    return false;
}

void MapFirstPoint(const Design& design, const MarkedArea& area, PendingObject& pending) {
    pending.x1 = PixelX(area.AreaLeft, design.windowLeftCol, kNearOffset.ox);
    pending.y1 = PixelY(area.AreaTop, design.windowTopRow, kNearOffset.oy);
}

void MapSecondPoint(const Design& design, const MarkedArea& area, PendingObject& pending,
                    PixelOffset offset) {
    pending.x2 = PixelX(area.AreaRight, design.windowLeftCol, offset.ox);
    pending.y2 = PixelY(area.AreaBottom, design.windowTopRow, offset.oy);
}

void LiftNegativeY1(PendingObject& pending) {
    if (pending.y1 < 0) pending.y1 = 3;
}

void MapCorners(const Design& design, const MarkedArea& area, PendingObject& pending,
                PixelOffset second) {
    MapFirstPoint(design, area, pending);
    MapSecondPoint(design, area, pending, second);
    LiftNegativeY1(pending);
}

ObjectValues DrawingValues(const PendingObject& pending, const Properties& properties) {
    ObjectValues values;
    values.x1 = pending.x1;
    values.y1 = pending.y1;
    values.x2 = pending.x2;
    values.y2 = pending.y2;
    values.starWidth = pending.starWidth;
    values.starHeight = pending.starHeight;
    values.arcStart = pending.arcStart;
    values.arcEnd = pending.arcEnd;
    values.bitmapPath = pending.bitmapPath;
    values.properties = properties;
    return values;
}

StatementValues StatementValuesOf(std::int32_t objectNumber, const ObjectValues& values) {
    return {objectNumber,  values.x1,         values.y1,         values.x2,
            values.y2,     values.starWidth,  values.starHeight, values.arcStart,
            values.arcEnd, values.bitmapPath, values.properties};
}

void BuildPendingStatement(PendingObject& pending, const Properties& properties,
                           std::int32_t objectNumber, ObjectKind kind, Build build) {
    ObjectValues values = DrawingValues(pending, properties);
    pending.pendingStatement = StatementBlock(StatementValuesOf(objectNumber, values), kind, build);
    pending.builtFrom = std::move(values);
    pending.rebuilt = build == Build::Rebuild;
}

PreviewRebuild RebuildAs(ObjectKind kind) {
    return [kind](Context& context) {
        BuildPendingStatement(context.pass.pending, context.pass.current.properties,
                              context.design.objectNumber, kind, Build::Rebuild);
    };
}

}  // namespace gridlet
