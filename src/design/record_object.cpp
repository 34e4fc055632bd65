#include "design/record_object.h"

#include "model/history.h"
#include "model/kind_table.h"

namespace gridlet {
namespace {

// Where the pending block goes: the design's first object, when it is a paint, fills the window as
// its background and replaces it.
struct Destination {
    std::string& text;
    bool replace;
};

Destination DestinationOf(Design& design, ObjectKind kind) {
    if (kind == ObjectKind::Paint && design.objectNumber == 1) {
        return {design.backgroundPaintCode, true};
    }
    return {design.*KindOf(kind).accumulator, false};
}

// A block the move menu sent to the back goes in front of the blocks already there.
void Accumulate(Design& design, const PassState& pass, const Destination& destination) {
    if (!pass.pending.sentToBackStatement.empty()) {
        design.backLayerCode.insert(0, pass.pending.sentToBackStatement);
    } else if (destination.replace) {
        destination.text = pass.pending.pendingStatement;
    } else {
        destination.text += pass.pending.pendingStatement;
    }
}

void ClearToolValues(PassState& pass, ObjectKind kind) {
    if (kind == ObjectKind::Arc || kind == ObjectKind::Pie) {
        pass.pending.arcStart.clear();
        pass.pending.arcEnd.clear();
    }
    if (kind == ObjectKind::Line) {
        pass.current.properties.lineWidth.clear();
        pass.current.properties.edgeColor.clear();
    }
}

// What may fail comes before the design changes; the accumulator then takes the block whole or
// not at all and the push cannot fail, so code and undo entry go in together or not at all. A
// block sent to the back is in backLayerCode, and the history holds it for Undo to find there.
void Record(Context& context, const Destination& destination, std::string undoText,
            const GridMarker& drawMarker) {
    PassState& pass = context.pass;
    try {
        context.screen.RestoreScreen(pass.snapshot);
        context.screen.SaveScreen(pass.pending.pendingSnapshot);
        drawMarker();
        Accumulate(context.design, pass, destination);
    } catch (...) {
        pass.pending.pendingStatement.clear();
        pass.pending.sentToBackStatement.clear();
        pass.pending.pendingSnapshot.clear();
        throw;
    }
    if (!pass.pending.sentToBackStatement.empty())
        undoText = std::move(pass.pending.sentToBackStatement);
    PushHistory(context.design, std::move(undoText), std::move(pass.pending.pendingSnapshot));
    pass.pending.pendingStatement.clear();
    pass.pending.sentToBackStatement.clear();
    pass.pending.pendingSnapshot.clear();
    pass.current.lineKeepFlag = false;
}

}  // namespace

void RecordObject(Context& context, ObjectKind kind, const GridMarker& drawMarker) {
    std::string undoText = context.pass.pending.pendingStatement;
    Record(context, DestinationOf(context.design, kind), std::move(undoText), drawMarker);
    ClearToolValues(context.pass, kind);
}

void RecordStatement(Context& context, ObjectKind kind, std::string undoText,
                     const GridMarker& drawMarker) {
    Record(context, {context.design.*KindOf(kind).accumulator, false}, std::move(undoText),
           drawMarker);
}

}  // namespace gridlet
