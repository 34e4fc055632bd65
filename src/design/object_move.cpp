#include "design/object_move.h"

#include <algorithm>
#include <utility>

#include "design/kept_on_exit.h"
#include "design/move_menu.h"
#include "design/object_block.h"
#include "design/object_points.h"
#include "model/accumulators.h"
#include "model/design_changes.h"
#include "model/object_order.h"
#include "model/pixel_mapping.h"
#include "screen/popups.h"

namespace gridlet {
namespace {

// The values the object is moved from. A string variable that no Preview printed has no place
// of its own yet: it stands where its tool maps its marked cell.
ObjectValues StartValues(const Design& design, const DesignObject& object) {
    ObjectValues values = object.values;
    if (object.kind == ObjectKind::StringVariable && !values.printed) {
        values.x1 =
            PixelX(object.mark.area.left, design.windowLeftCol, PointsOf(object.kind).first.ox);
        values.y1 =
            PixelY(object.mark.area.top, design.windowTopRow, PointsOf(object.kind).first.oy);
    }
    return values;
}

// The pending object as the menu shifts it: the object's points and the values of its tool.
PendingObject PendingFrom(const DesignObject& object, const ObjectValues& start) {
    PendingObject pending;
    pending.x1 = start.x1;
    pending.y1 = start.y1;
    pending.x2 = start.x2;
    pending.y2 = start.y2;
    pending.starWidth = start.starWidth;
    pending.starHeight = start.starHeight;
    pending.arcStart = start.arcStart;
    pending.arcEnd = start.arcEnd;
    pending.bitmapPath = start.bitmapPath;
    pending.enteredText = start.text;
    pending.lineLimitColumn = object.mark.area.left + start.lineWidth;
    pending.builtFrom = object.values;
    pending.rebuilt = object.rebuilt;
    // What Move to Back sends when nothing was previewed.
    pending.pendingStatement = object.block;
    return pending;
}

// How many cells a point moved across, with the offset its tool maps it in its cell with.
int CellShift(std::int32_t from, std::int32_t to, int offset, double cellSize) {
    return Nearest((to - offset) / cellSize) - Nearest((from - offset) / cellSize);
}

// The mark's area moved with the points: its first corner with the first point, its far corner
// with the second, or with the first for an object drawn from one point.
CellRect FollowedArea(const CellRect& area, const ObjectValues& from, const ObjectValues& to,
                      const ObjectPoints& points) {
    const double column = kColumnWidth;
    const int down = CellShift(from.y1, to.y1, points.first.oy, kRowHeight);
    const int right = CellShift(from.x1, to.x1, points.first.ox, column);
    int farDown = down;
    int farRight = right;
    if (points.second) {
        farDown = CellShift(from.y2, to.y2, points.second->oy, kRowHeight);
        farRight = CellShift(from.x2, to.x2, points.second->ox, column);
    }
    return {area.top + down, area.left + right, area.bottom + farDown, area.right + farRight};
}

bool BuiltAsStatement(ObjectKind kind) {
    return kind != ObjectKind::Text && kind != ObjectKind::StringVariable;
}

// The object with the menu's shifts: its points, a text's column width, its mark and its block as
// the menu's Preview rebuilds it. The object as it is when nothing was shifted.
DesignObject Shifted(const DesignObject& object, const ObjectValues& start,
                     const PendingObject& pending) {
    ObjectValues values = start;
    values.x1 = pending.x1;
    values.y1 = pending.y1;
    values.x2 = pending.x2;
    values.y2 = pending.y2;
    if (object.kind == ObjectKind::Text)
        values.lineWidth = pending.lineLimitColumn - object.mark.area.left;
    if (values == start) return object;
    DesignObject moved = object;
    moved.mark.area = FollowedArea(object.mark.area, start, values, PointsOf(object.kind));
    if (object.kind == ObjectKind::StringVariable) values.printed = true;
    if (BuiltAsStatement(object.kind)) moved.rebuilt = true;
    moved.values = std::move(values);
    moved.block = BuildObjectBlock(moved);
    return moved;
}

// How far a coordinate lies outside 0..limit.
std::int64_t Outside(std::int32_t value, std::int32_t limit) {
    return std::max<std::int64_t>(
        {0, -static_cast<std::int64_t>(value), static_cast<std::int64_t>(value) - limit});
}

// Whether a point the object is drawn from goes out of the window, or further out.
bool LeavesWindow(const Design& design, ObjectKind kind, const ObjectValues& from,
                  const ObjectValues& to) {
    const auto further = [&](std::int32_t before, std::int32_t after, std::int32_t limit) {
        return Outside(after, limit) > Outside(before, limit);
    };
    const std::int32_t width = design.windowWidth;
    const std::int32_t height = design.windowHeight;
    if (further(from.x1, to.x1, width) || further(from.y1, to.y1, height)) return true;
    return PointsOf(kind).second &&
           (further(from.x2, to.x2, width) || further(from.y2, to.y2, height));
}

}  // namespace

bool MoveObject(Context& context, std::size_t index) {
    Design& design = context.design;
    const DesignObject before = design.objects.at(index);
    if (before.keptAsWritten || before.leftover) {
        context.console.Beep();
        return false;
    }
    PendingObject& pending = context.pass.pending;
    const KeptOnExit<PendingObject> pendingKept(pending);
    const ObjectValues start = StartValues(design, before);
    pending = PendingFrom(before, start);
    {
        // What the Previews put in the object's place goes when the menu ends.
        const KeptOnExit<Design> designKept(design);
        MoveMenuAs(context, MoveMenuMode::PlacedObject, [&](Context& c) {
            DesignObject moved = Shifted(before, start, c.pass.pending);
            c.pass.pending.pendingStatement = moved.block;
            c.design.objects[index] = std::move(moved);
            WriteAccumulators(c.design);
        });
    }
    DesignObject after = Shifted(before, start, pending);
    if (LeavesWindow(design, before.kind, start, after.values)) {
        OutsideWindowMessage(context.console);
        return false;
    }
    std::size_t afterIndex = index;
    if (!pending.sentToBackStatement.empty() && CanGoToBack(before)) {
        after.destination = Destination::BackLayer;
        afterIndex = design.objects.size() - 1;
    }
    if (after == before && afterIndex == index) return false;
    MakeChange(design, {index, before, afterIndex, std::move(after)});
    return true;
}

}  // namespace gridlet
