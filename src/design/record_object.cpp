#include "design/record_object.h"

#include "model/history.h"

namespace gridlet {
namespace {

std::string& AccumulatorOf(Design& design, ObjectKind kind) {
    switch (kind) {
        case ObjectKind::Paint:
        case ObjectKind::PaintReplace:
            return design.paintCode;
        case ObjectKind::Star:
            return design.starCode;
        case ObjectKind::Arc:
            return design.arcCode;
        case ObjectKind::Pie:
            return design.pieCode;
        case ObjectKind::LineStep:
        case ObjectKind::Line:
            return design.lineCode;
        case ObjectKind::StretchedBitmap:
        case ObjectKind::NaturalBitmap:
            return design.bitmapCode;
        case ObjectKind::Polygon:
            return design.polygonCode;
        case ObjectKind::Box:
            return design.boxCode;
        case ObjectKind::Ellipse:
            return design.ellipseCode;
    }
    return design.paintCode;
}

// A block the move menu sent to the back goes in front of the blocks already there; the design's
// first object, when it is a paint, fills the window as its background.
void Accumulate(Design& design, const PassState& pass, ObjectKind kind) {
    if (!pass.sentToBackStatement.empty()) {
        design.backLayerCode.insert(0, pass.sentToBackStatement);
    } else if (kind == ObjectKind::Paint && design.objectNumber == 1) {
        design.backgroundPaintCode = pass.pendingStatement;
    } else {
        AccumulatorOf(design, kind) += pass.pendingStatement;
    }
}

void ClearToolValues(PassState& pass, ObjectKind kind) {
    pass.lineKeepFlag = false;
    if (kind == ObjectKind::Arc || kind == ObjectKind::Pie) {
        pass.arcStart.clear();
        pass.arcEnd.clear();
    }
    if (kind == ObjectKind::Line) {
        pass.properties.lineWidth.clear();
        pass.properties.edgeColor.clear();
    }
}

}  // namespace

void RecordObject(Context& context, ObjectKind kind, const GridMarker& drawMarker) {
    Design& design = context.design;
    PassState& pass = context.pass;
    // What may fail comes before the design changes; the accumulator then takes the block whole
    // or not at all and the push cannot fail, so code and undo entry go in together or not at all.
    try {
        context.screen.RestoreScreen(pass.snapshot);
        context.screen.SaveScreen(pass.pendingSnapshot);
        drawMarker();
        Accumulate(design, pass, kind);
    } catch (...) {
        pass.pendingStatement.clear();
        pass.sentToBackStatement.clear();
        pass.pendingSnapshot.clear();
        throw;
    }
    std::string& block =
        pass.sentToBackStatement.empty() ? pass.pendingStatement : pass.sentToBackStatement;
    PushHistory(design, std::move(block), std::move(pass.pendingSnapshot));
    pass.pendingStatement.clear();
    pass.sentToBackStatement.clear();
    pass.pendingSnapshot.clear();
    ClearToolValues(pass, kind);
}

}  // namespace gridlet
