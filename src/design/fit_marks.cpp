#include "design/fit_marks.h"

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

bool OnScreen(int row, int col) {
    return row >= 1 && row <= kScreenHeight && col >= 1 && col <= kScreenWidth;
}

bool Drawn(const std::string& buffer, std::size_t at) {
    return buffer[at] != '\0' || buffer[at + 2] != '\0';
}

// The marks drawn over a screen of nothing but zeros: the cells they cover are those not zero.
std::string DrawnAlone(Screen& screen, const std::vector<const GridMark*>& marks) {
    screen.RestoreScreen(std::string(kCells * kCell, '\0'));
    for (const GridMark* mark : marks) DrawMark(screen, *mark);
    std::string drawn;
    screen.SaveScreen(drawn);
    return drawn;
}

bool ExtentUnknown(ObjectKind kind) {
    return kind == ObjectKind::Text || kind == ObjectKind::LineStep ||
           kind == ObjectKind::StringVariable;
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

// The number of bare cells of the drawing, those no later mark lies over, when the stored screen
// shows every one of them; else nothing.
std::size_t CellsShown(const std::string& drawn, const std::string& hidden,
                       const std::string& stored) {
    std::size_t cells = 0;
    for (std::size_t at = 0; at < drawn.size(); at += kCell) {
        if (!Drawn(drawn, at) || Drawn(hidden, at)) continue;
        if (drawn[at] != stored[at] || drawn[at + 2] != stored[at + 2]) return 0;
        ++cells;
    }
    return cells;
}

void Fit(Screen& screen, GridMark& mark, const std::string& hidden, const std::string& stored) {
    if (!OnScreen(mark.area.top, mark.area.left)) return;
    std::size_t best = 0;
    for (const CellRect& area : Candidates(mark, stored)) {
        GridMark candidate = mark;
        candidate.area = area;
        const std::size_t shown = CellsShown(DrawnAlone(screen, {&candidate}), hidden, stored);
        if (shown > best) {
            best = shown;
            mark.area = area;
        }
    }
}

}  // namespace

void FitMarks(Screen& screen, std::vector<DesignObject>& objects, const std::string& storedScreen) {
    if (storedScreen.size() == kCells * kCell) {
        // From the newest back, so that the marks over an object's are fitted before it.
        for (std::size_t i = objects.size(); i-- > 0;) {
            DesignObject& object = objects[i];
            if (object.keptAsWritten || !ExtentUnknown(object.kind) ||
                object.mark.kind == MarkKind::None) {
                continue;
            }
            std::vector<const GridMark*> later;
            for (std::size_t j = i + 1; j < objects.size(); ++j) later.push_back(&objects[j].mark);
            Fit(screen, object.mark, DrawnAlone(screen, later), storedScreen);
        }
    }
    screen.RestoreScreen(storedScreen);
}

}  // namespace gridlet
