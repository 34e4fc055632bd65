#include "design/record_object.h"

#include <utility>

#include "design/grid_markers.h"
#include "model/design_changes.h"

namespace gridlet {
namespace {

Destination DestinationOf(const Design& design, const PendingObject& pending, ObjectKind kind) {
    if (!pending.sentToBackStatement.empty()) return Destination::BackLayer;
    // The design's first object, when it is a paint, fills the window as its background.
    if (kind == ObjectKind::Paint && design.objectNumber == 1) return Destination::Background;
    return Destination::Kind;
}

void ClearToolValues(CurrentProperties& current, PendingObject& pending, ObjectKind kind) {
    if (kind == ObjectKind::Arc || kind == ObjectKind::Pie) {
        pending.arcStart.clear();
        pending.arcEnd.clear();
    }
    if (kind == ObjectKind::Line) {
        current.properties.lineWidth.clear();
        current.properties.edgeColor.clear();
    }
}

void ClearWorkingStrings(PendingObject& pending) {
    pending.pendingStatement.clear();
    pending.sentToBackStatement.clear();
}

}  // namespace

DesignObject PendingDesignObject(const Context& context, ObjectKind kind, GridMark mark) {
    const PendingObject& pending = context.pass.pending;
    DesignObject object;
    object.number = context.design.objectNumber;
    object.kind = kind;
    object.values = pending.builtFrom;
    object.destination = DestinationOf(context.design, pending, kind);
    object.block = object.destination == Destination::BackLayer ? pending.sentToBackStatement
                                                                : pending.pendingStatement;
    object.mark = std::move(mark);
    object.rebuilt = pending.rebuilt;
    return object;
}

// What may fail comes before the design changes, and the placement itself is whole or nothing.
void RecordObject(Context& context, DesignObject object, std::optional<DesignObject> leftover) {
    PassState& pass = context.pass;
    Design& design = context.design;
    try {
        context.screen.RestoreScreen(pass.snapshot);
        if (design.gridBase.empty()) context.screen.SaveScreen(design.gridBase);
        DrawMark(context.screen, object.mark);
        RecordPlacement(design, std::move(object), std::move(leftover));
    } catch (...) {
        ClearWorkingStrings(pass.pending);
        throw;
    }
    ClearWorkingStrings(pass.pending);
    pass.current.lineKeepFlag = false;
}

void RecordObject(Context& context, ObjectKind kind, GridMark mark) {
    RecordObject(context, PendingDesignObject(context, kind, std::move(mark)));
    ClearToolValues(context.pass.current, context.pass.pending, kind);
}

}  // namespace gridlet
