#include "design/grid_markers.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/cell_text.h"
#include "platform/frame_chars.h"

namespace gridlet {
namespace {

constexpr int kBlack = 0;
constexpr int kLightGrey = 7;
constexpr int kDarkGrey = 8;
constexpr int kYellow = 14;
constexpr int kHighlightForeground = 15;
constexpr int kHighlightBackground = 4;

constexpr char kShade = '\xB1';
constexpr int kStaticMinWidth = 7;  // columns past the left one that "Static" needs

constexpr std::size_t kExtensionLength = 4;

// Text from a cell on, cut to the screen: the marks of large areas run past its edges.
void Put(Screen& screen, int row, int col, int foreground, std::string_view text,
         int background = kDarkGrey) {
    if (row < 1 || row > kScreenHeight) return;
    if (col < 1) {
        const auto hidden = static_cast<std::size_t>(1 - static_cast<std::int64_t>(col));
        if (hidden >= text.size()) return;
        text.remove_prefix(hidden);
        col = 1;
    }
    if (col > kScreenWidth) return;
    text = text.substr(0, static_cast<std::size_t>(kScreenWidth - col + 1));
    screen.PrintAt(row, col, foreground, background, text);
}

// One character over the columns from..to of a row; only the part on the screen is built.
void Run(Screen& screen, int row, int from, int to, int foreground, char ch) {
    from = std::max(from, 1);
    to = std::min(to, kScreenWidth);
    if (from > to) return;
    Put(screen, row, from, foreground, std::string(static_cast<std::size_t>(to - from + 1), ch));
}

void Mark(Screen& screen, int row, int col, int foreground, char ch) {
    Run(screen, row, col, col, foreground, ch);
}

// The rows strictly between two rows that lie on the screen.
int FirstRowAfter(int row) {
    return std::max(row + 1, 1);
}
int LastRowBefore(int row) {
    return std::min(row - 1, kScreenHeight);
}

void DrawLeftEdge(Screen& screen, int top, int bottom, int left) {
    Mark(screen, top, left, kLightGrey, kFrameTopLeft);
    for (int row = FirstRowAfter(top); row <= LastRowBefore(bottom); ++row)
        Mark(screen, row, left, kLightGrey, kFrameVertical);
    Mark(screen, bottom, left, kLightGrey, kFrameBottomLeft);
}

// The cells of a one-row marker: a single cell counts as two.
std::size_t RunLength(const CellRect& area) {
    return static_cast<std::size_t>(std::max(area.right - area.left + 1, 2));
}

}  // namespace

void DrawLetterP(Screen& screen, const CellRect& area, std::uint8_t attribute) {
    screen.PrintAt(area.top, area.left, attribute & 15, attribute >> 4, "P");
}

void DrawOutline(Screen& screen, const CellRect& area) {
    const int top = area.top;
    const int left = area.left;
    const int right = area.right;
    // A one-row area closes on the row below it.
    const int bottom = std::max(area.bottom, top + 1);
    if (right <= left) {
        DrawLeftEdge(screen, top, bottom, left);
        return;
    }
    Mark(screen, top, left, kLightGrey, kFrameTopLeft);
    Run(screen, top, left + 1, right - 1, kLightGrey, kFrameHorizontal);
    Mark(screen, top, right, kBlack, kFrameTopRight);
    for (int row = FirstRowAfter(top); row <= LastRowBefore(bottom); ++row) {
        Mark(screen, row, left, kLightGrey, kFrameVertical);
        Mark(screen, row, right, kBlack, kFrameVertical);
    }
    Mark(screen, bottom, left, kLightGrey, kFrameBottomLeft);
    Run(screen, bottom, left + 1, right - 1, kBlack, kFrameHorizontal);
    Mark(screen, bottom, right, kBlack, kFrameBottomRight);
}

void DrawOutlineAndName(Screen& screen, const CellRect& area, const std::string& bitmapName) {
    DrawOutline(screen, area);
    if (bitmapName.size() <= kExtensionLength) return;
    const std::size_t length =
        std::min(bitmapName.size() - kExtensionLength, static_cast<std::size_t>(kScreenWidth));
    Put(screen, area.top + 1, area.left + 1, kBlack, CellText(bitmapName.substr(0, length)));
}

void DrawTextMarker(Screen& screen, const CellRect& area) {
    if (area.bottom > area.top && area.right > area.left) {
        DrawOutline(screen, area);
        if (area.right - area.left >= kStaticMinWidth)
            Put(screen, area.top + 1, area.left + 1, kBlack, "Static");
    } else if (area.bottom == area.top && area.right >= area.left) {
        Put(screen, area.top, area.left, kDarkGrey, std::string(RunLength(area), kShade),
            kLightGrey);
    }
}

void DrawStringMarker(Screen& screen, const CellRect& area, const std::string& name) {
    if (area.bottom != area.top || area.right < area.left) return;
    const std::size_t length = RunLength(area);
    std::string run = CellText(name).substr(0, length);
    run.resize(length, kShade);
    Put(screen, area.top, area.left, kDarkGrey, run, kLightGrey);
}

void DrawLineMarker(Screen& screen, const CellRect& area) {
    if (area.bottom == area.top) {
        Run(screen, area.top, area.left, area.right, kYellow, kFrameHorizontal);
        return;
    }
    for (int row = std::max(area.top, 1); row <= std::min(area.bottom, kScreenHeight); ++row)
        Mark(screen, row, area.left, kYellow, kFrameVertical);
}

void DrawMark(Screen& screen, const GridMark& mark) {
    switch (mark.kind) {
        case MarkKind::None:
            break;
        case MarkKind::LetterP:
            DrawLetterP(screen, mark.area, mark.attribute);
            break;
        case MarkKind::Outline:
            DrawOutline(screen, mark.area);
            break;
        case MarkKind::OutlineAndName:
            DrawOutlineAndName(screen, mark.area, mark.name);
            break;
        case MarkKind::Line:
            DrawLineMarker(screen, mark.area);
            break;
        case MarkKind::Text:
            DrawTextMarker(screen, mark.area);
            break;
        case MarkKind::StringVariable:
            DrawStringMarker(screen, mark.area, mark.name);
            break;
    }
}

CellRect MarkExtent(const GridMark& mark) {
    const CellRect& a = mark.area;
    const int runRight = a.left + static_cast<int>(RunLength(a)) - 1;
    switch (mark.kind) {
        case MarkKind::None:
            break;
        case MarkKind::LetterP:
            return {a.top, a.left, a.top, a.left};
        case MarkKind::Outline:
        case MarkKind::OutlineAndName:
            return {a.top, a.left, std::max(a.bottom, a.top + 1), std::max(a.right, a.left)};
        case MarkKind::Line:
            if (a.bottom == a.top) return a;
            return {a.top, a.left, a.bottom, a.left};
        case MarkKind::Text:
            if (a.bottom > a.top && a.right > a.left) return a;
            if (a.bottom == a.top && a.right >= a.left) return {a.top, a.left, a.top, runRight};
            break;
        case MarkKind::StringVariable:
            if (a.bottom == a.top && a.right >= a.left) return {a.top, a.left, a.top, runRight};
            break;
    }
    return a;
}

void HighlightMark(Screen& screen, const GridMark& mark) {
    const CellRect extent = MarkExtent(mark);
    Console& console = screen.console();
    const auto recolour = [&](int row, int col) {
        if (row < 1 || row > kScreenHeight || col < 1 || col > kScreenWidth) return;
        const char ch = static_cast<char>(console.CellAt(row, col).ch);
        screen.PrintAt(row, col, kHighlightForeground, kHighlightBackground, std::string(1, ch));
    };
    for (int col = std::max(extent.left, 1); col <= std::min(extent.right, kScreenWidth); ++col) {
        recolour(extent.top, col);
        if (extent.bottom != extent.top) recolour(extent.bottom, col);
    }
    for (int row = FirstRowAfter(extent.top); row <= LastRowBefore(extent.bottom); ++row) {
        recolour(row, extent.left);
        if (extent.right != extent.left) recolour(row, extent.right);
    }
}

void RedrawGrid(Screen& screen, const Design& design) {
    if (!design.gridBase.empty()) screen.RestoreScreen(design.gridBase);
    for (const DesignObject& object : design.objects) DrawMark(screen, object.mark);
}

}  // namespace gridlet
