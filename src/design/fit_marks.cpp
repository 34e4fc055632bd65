#include "design/fit_marks.h"

#include <algorithm>

#include "design/grid_markers.h"
#include "platform/frame_chars.h"

namespace gridlet {
namespace {

// Bytes a cell takes in a screen buffer: character, 0, attribute, 0.
constexpr std::size_t kCell = 4;
constexpr std::size_t kCells = std::size_t{kScreenWidth} * kScreenHeight;

std::size_t IndexOf(int row, int col) {
    return static_cast<std::size_t>((row - 1) * kScreenWidth + (col - 1)) * kCell;
}

bool Drawn(const std::string& buffer, std::size_t at) {
    return buffer[at] != '\0' || buffer[at + 2] != '\0';
}

bool ExtentUnknown(ObjectKind kind) {
    return kind == ObjectKind::Text || kind == ObjectKind::LineStep ||
           kind == ObjectKind::StringVariable;
}

// The cells on the screen a text, line or string mark of the area may draw: a one-row area's
// mark closes on the row below, a single cell's run is two wide.
CellRect Reach(const CellRect& area) {
    return {std::max(area.top, 1), std::max(area.left, 1),
            std::min(std::max(area.bottom, area.top + 1), kScreenHeight),
            std::min(std::max(area.right, area.left + 1), kScreenWidth)};
}

// The areas from the first cell on that the mark's kind may have: one-row runs, runs down the
// left column, and for a text the outlines whose far corners the stored screen shows.
std::vector<CellRect> Candidates(const GridMark& mark, const std::string& stored) {
    const int top = mark.area.top;
    const int left = mark.area.left;
    std::vector<CellRect> areas;
    for (int right = left; right <= kScreenWidth; ++right) areas.push_back({top, left, top, right});
    if (mark.kind == MarkKind::Line) {
        for (int bottom = top + 1; bottom <= kScreenHeight; ++bottom)
            areas.push_back({top, left, bottom, left});
    }
    if (mark.kind == MarkKind::Text) {
        for (int bottom = top + 1; bottom <= kScreenHeight; ++bottom) {
            if (stored[IndexOf(bottom, left)] != kFrameBottomLeft) continue;
            for (int right = left + 1; right <= kScreenWidth; ++right) {
                if (stored[IndexOf(top, right)] == kFrameTopRight)
                    areas.push_back({top, left, bottom, right});
            }
        }
    }
    return areas;
}

// The number of bare cells the mark draws, those no later mark lies over, when the stored screen
// shows every one of them; else nothing. Only the cells the mark may draw are cleared and read.
std::size_t CellsShown(Screen& screen, const GridMark& mark, const std::string& hidden,
                       const std::string& stored) {
    CellRect reach = Reach(mark.area);
    const auto width = static_cast<std::size_t>(reach.right - reach.left + 1);
    const auto height = static_cast<std::size_t>(reach.bottom - reach.top + 1);
    screen.WriteCellBlock(reach, std::string(width * height * kCell, '\0'));
    DrawMark(screen, mark);
    const std::string drawn = screen.ReadCellBlock(reach);
    std::size_t cells = 0;
    for (std::size_t row = 0; row < height; ++row) {
        for (std::size_t col = 0; col < width; ++col) {
            const std::size_t at = (row * width + col) * kCell;
            const std::size_t on =
                IndexOf(reach.top + static_cast<int>(row), reach.left + static_cast<int>(col));
            if (!Drawn(drawn, at) || Drawn(hidden, on)) continue;
            if (drawn[at] != stored[on] || drawn[at + 2] != stored[on + 2]) return 0;
            ++cells;
        }
    }
    return cells;
}

void Fit(Screen& screen, GridMark& mark, const std::string& hidden, const std::string& stored) {
    if (mark.area.top < 1 || mark.area.top > kScreenHeight || mark.area.left < 1 ||
        mark.area.left > kScreenWidth) {
        return;
    }
    std::size_t best = 0;
    GridMark candidate = mark;
    for (const CellRect& area : Candidates(mark, stored)) {
        candidate.area = area;
        const std::size_t shown = CellsShown(screen, candidate, hidden, stored);
        if (shown > best) {
            best = shown;
            mark.area = area;
        }
    }
}

// Adds the mark's cells to those covered: drawn over a screen of zeros, they are not zero.
void Cover(Screen& screen, std::string& covered, const GridMark& mark) {
    screen.RestoreScreen(covered);
    DrawMark(screen, mark);
    screen.SaveScreen(covered);
}

}  // namespace

void FitMarks(Screen& screen, std::vector<DesignObject>& objects, const std::string& storedScreen) {
    if (storedScreen.size() == kCells * kCell) {
        // From the newest back, so that the marks over an object's are fitted before it.
        std::string covered(kCells * kCell, '\0');
        for (std::size_t i = objects.size(); i-- > 0;) {
            DesignObject& object = objects[i];
            if (object.keptAsWritten || object.mark.kind == MarkKind::None) continue;
            if (ExtentUnknown(object.kind)) Fit(screen, object.mark, covered, storedScreen);
            Cover(screen, covered, object.mark);
        }
    }
    screen.RestoreScreen(storedScreen);
}

}  // namespace gridlet
