#include "design/record_object.h"

#include "design/history.h"

namespace gridlet {
namespace {

std::string& AccumulatorOf(DesignState& s, ObjectKind kind) {
    switch (kind) {
        case ObjectKind::Paint:
        case ObjectKind::PaintReplace:
            return s.paintCode;
        case ObjectKind::Star:
            return s.starCode;
        case ObjectKind::Arc:
            return s.arcCode;
        case ObjectKind::Pie:
            return s.pieCode;
        case ObjectKind::LineStep:
        case ObjectKind::Line:
            return s.lineCode;
        case ObjectKind::StretchedBitmap:
        case ObjectKind::NaturalBitmap:
            return s.bitmapCode;
        case ObjectKind::Polygon:
            return s.polygonCode;
        case ObjectKind::Box:
            return s.boxCode;
        case ObjectKind::Ellipse:
            return s.ellipseCode;
    }
    return s.paintCode;
}

// The design's first object, when it is a paint, fills the window as its background.
void Accumulate(DesignState& s, ObjectKind kind) {
    if (kind == ObjectKind::Paint && s.objectNumber == 1) {
        s.backgroundPaintCode = s.pendingStatement;
    } else {
        AccumulatorOf(s, kind) += s.pendingStatement;
    }
}

void ClearToolValues(DesignState& s, ObjectKind kind) {
    s.lineKeepFlag = false;
    if (kind == ObjectKind::Arc || kind == ObjectKind::Pie) {
        s.arcStart.clear();
        s.arcEnd.clear();
    }
    if (kind == ObjectKind::Line) {
        s.properties.lineWidth.clear();
        s.properties.edgeColor.clear();
    }
}

}  // namespace

void RecordObject(Context& context, ObjectKind kind, const GridMarker& drawMarker) {
    DesignState& s = context.state;
    Accumulate(s, kind);
    context.screen.RestoreScreen(s.snapshot);
    context.screen.SaveScreen(s.pendingSnapshot);
    drawMarker();
    PushHistory(s, std::move(s.pendingStatement), std::move(s.pendingSnapshot));
    s.pendingStatement.clear();
    s.pendingSnapshot.clear();
    ClearToolValues(s, kind);
}

}  // namespace gridlet
