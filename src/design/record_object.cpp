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

// The design's first object, when it is a paint, fills the window as its background.
void Accumulate(Design& design, const std::string& pendingStatement, ObjectKind kind) {
    if (kind == ObjectKind::Paint && design.objectNumber == 1) {
        design.backgroundPaintCode = pendingStatement;
    } else {
        AccumulatorOf(design, kind) += pendingStatement;
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
    Accumulate(design, pass.pendingStatement, kind);
    context.screen.RestoreScreen(pass.snapshot);
    context.screen.SaveScreen(pass.pendingSnapshot);
    drawMarker();
    // A block the move menu sent to the back is in backLayerCode; Undo finds it there.
    std::string& block =
        pass.sentToBackStatement.empty() ? pass.pendingStatement : pass.sentToBackStatement;
    PushHistory(design, std::move(block), std::move(pass.pendingSnapshot));
    pass.pendingStatement.clear();
    pass.sentToBackStatement.clear();
    pass.pendingSnapshot.clear();
    ClearToolValues(pass, kind);
}

}  // namespace gridlet
