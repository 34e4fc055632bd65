#include "design/object_mark.h"

#include <algorithm>
#include <limits>

#include "codegen/text_block.h"
#include "design/tool_bitmaps.h"
#include "design/tool_course.h"
#include "design/tool_string.h"
#include "design/tool_text.h"
#include "model/pixel_mapping.h"
#include "platform/console.h"

namespace gridlet {
namespace {

struct Window {
    int topRow;
    int leftCol;
};

CellRect CellOf(const Window& window, std::int32_t x, std::int32_t y, PixelOffset offset) {
    const int row = RowAt(y, window.topRow, offset.oy);
    const int col = ColumnAt(x, window.leftCol, offset.ox);
    return {row, col, row, col};
}

// The area from the first corner's cell to the second's.
CellRect Corners(const Window& window, const ObjectValues& v, PixelOffset second) {
    const CellRect first = CellOf(window, v.x1, v.y1, kNearOffset);
    const CellRect last = CellOf(window, v.x2, v.y2, second);
    return {first.top, first.left, last.bottom, last.right};
}

std::int32_t Bounded(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// A file may put an object anywhere; a mark is drawn the same with its edges brought within a
// screen's breadth of the screen, and its runs stay short.
CellRect NearTheScreen(const CellRect& area) {
    const auto row = [](int value) { return std::clamp(value, -kScreenHeight, 2 * kScreenHeight); };
    const auto col = [](int value) { return std::clamp(value, -kScreenWidth, 2 * kScreenWidth); };
    return {row(area.top), col(area.left), row(area.bottom), col(area.right)};
}

GridMark Mark(ObjectKind kind, const ObjectValues& v, const Window& window,
              std::uint8_t letterAttribute) {
    switch (kind) {
        case ObjectKind::Paint:
        case ObjectKind::PaintReplace:
            return {MarkKind::LetterP, CellOf(window, v.x1, v.y1, kNearOffset), letterAttribute};
        case ObjectKind::Star:
            return {MarkKind::Outline, Corners(window, v, kFarOffset)};
        case ObjectKind::Arc:
        case ObjectKind::Pie:
        case ObjectKind::Polygon:
        case ObjectKind::Box:
        case ObjectKind::Ellipse:
            return {MarkKind::Outline, Corners(window, v, kNearOffset)};
        case ObjectKind::Line:
            return {MarkKind::Line, Corners(window, v, kNearOffset)};
        case ObjectKind::LineStep:
            return {MarkKind::Line, CellOf(window, v.x1, v.y1, kNearOffset)};
        case ObjectKind::StretchedBitmap:
            return {MarkKind::OutlineAndName, Corners(window, v, kNearOffset), 0,
                    BitmapFileName(v.bitmapPath)};
        case ObjectKind::NaturalBitmap: {
            const CellRect first = CellOf(window, v.x1, v.y1, kNearOffset);
            const CellRect cells =
                BitmapCells(first.top, first.left, Bounded(std::int64_t{v.x2} - v.x1),
                            Bounded(std::int64_t{v.y2} - v.y1));
            return {MarkKind::OutlineAndName, cells, 0, BitmapFileName(v.bitmapPath)};
        }
        case ObjectKind::Text: {
            CellRect area = CellOf(window, v.x1, v.y1, kTextOffset);
            const auto lines = static_cast<int>(
                std::min<std::size_t>(WrapText(v.text, v.lineWidth).size(), 2 * kScreenHeight));
            area.bottom = area.top + lines - 1;
            area.right = Bounded(std::int64_t{area.left} + v.lineWidth);
            return {MarkKind::Text, area};
        }
        case ObjectKind::StringVariable: {
            if (!v.printed) return {};
            CellRect area = CellOf(window, v.x1, v.y1, kStringFirstOffset);
            const auto width =
                static_cast<int>(std::min<std::size_t>(v.name.size(), 2 * kScreenWidth));
            area.right = area.left + std::max(width, 1) - 1;
            return {MarkKind::StringVariable, area, 0, v.name};
        }
    }
    return {};
}

}  // namespace

GridMark MarkOfValues(ObjectKind kind, const ObjectValues& values, const Design& design,
                      std::uint8_t letterAttribute) {
    GridMark mark =
        Mark(kind, values, {design.windowTopRow, design.windowLeftCol}, letterAttribute);
    mark.area = NearTheScreen(mark.area);
    return mark;
}

}  // namespace gridlet
