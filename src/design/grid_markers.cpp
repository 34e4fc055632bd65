#include "design/grid_markers.h"

#include <algorithm>
#include <string>

#include "platform/cell_text.h"
#include "platform/frame_chars.h"

namespace gridlet {
namespace {

constexpr int kBlack = 0;
constexpr int kLightGrey = 7;
constexpr int kDarkGrey = 8;
constexpr int kYellow = 14;

constexpr char kShade = '\xB1';
constexpr int kStaticMinWidth = 7;  // columns past the left one that "Static" needs

constexpr std::size_t kExtensionLength = 4;

void Light(Screen& screen, int row, int col, const std::string& text) {
    screen.PrintAt(row, col, kLightGrey, kDarkGrey, text);
}

void Dark(Screen& screen, int row, int col, const std::string& text) {
    screen.PrintAt(row, col, kBlack, kDarkGrey, text);
}

void DrawLeftEdge(Screen& screen, int top, int bottom, int left) {
    Light(screen, top, left, std::string(1, kFrameTopLeft));
    for (int row = top + 1; row < bottom; ++row)
        Light(screen, row, left, std::string(1, kFrameVertical));
    Light(screen, bottom, left, std::string(1, kFrameBottomLeft));
}

// The cells of a one-row marker: a single cell counts as two.
std::size_t RunLength(const CellRect& area) {
    return static_cast<std::size_t>(std::max(area.right - area.left + 1, 2));
}

}  // namespace

void DrawLetterP(Screen& screen, const CellRect& area) {
    const std::uint8_t attribute = screen.console().Attribute();
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
    const std::string dashes(static_cast<std::size_t>(right - left - 1), kFrameHorizontal);
    Light(screen, top, left, kFrameTopLeft + dashes);
    Dark(screen, top, right, std::string(1, kFrameTopRight));
    for (int row = top + 1; row < bottom; ++row) {
        Light(screen, row, left, std::string(1, kFrameVertical));
        Dark(screen, row, right, std::string(1, kFrameVertical));
    }
    Light(screen, bottom, left, std::string(1, kFrameBottomLeft));
    Dark(screen, bottom, left + 1, dashes + kFrameBottomRight);
}

void DrawOutlineAndName(Screen& screen, const CellRect& area, const std::string& bitmapName) {
    DrawOutline(screen, area);
    const std::string& name = bitmapName;
    if (name.size() <= kExtensionLength) return;
    Dark(screen, area.top + 1, area.left + 1,
         CellText(name.substr(0, name.size() - kExtensionLength)));
}

void DrawTextMarker(Screen& screen, const CellRect& area) {
    if (area.bottom > area.top && area.right > area.left) {
        DrawOutline(screen, area);
        if (area.right - area.left >= kStaticMinWidth)
            Dark(screen, area.top + 1, area.left + 1, "Static");
    } else if (area.bottom == area.top && area.right >= area.left) {
        screen.PrintAt(area.top, area.left, kDarkGrey, kLightGrey,
                       std::string(RunLength(area), kShade));
    }
}

void DrawStringMarker(Screen& screen, const CellRect& area, const std::string& name) {
    if (area.bottom != area.top || area.right < area.left) return;
    const std::size_t length = RunLength(area);
    std::string run = CellText(name).substr(0, length);
    run.resize(length, kShade);
    screen.PrintAt(area.top, area.left, kDarkGrey, kLightGrey, run);
}

void DrawLineMarker(Screen& screen, const CellRect& area) {
    if (area.bottom == area.top) {
        const int length = area.right - area.left + 1;
        if (length > 0) {
            screen.PrintAt(area.top, area.left, kYellow, kDarkGrey,
                           std::string(static_cast<std::size_t>(length), kFrameHorizontal));
        }
        return;
    }
    for (int row = area.top; row <= area.bottom; ++row)
        screen.PrintAt(row, area.left, kYellow, kDarkGrey, std::string(1, kFrameVertical));
}

}  // namespace gridlet
