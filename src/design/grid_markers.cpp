#include "design/grid_markers.h"

#include <algorithm>
#include <string>

#include "dialogs/typed_text.h"

namespace gridlet {
namespace {

constexpr char kTopLeft = '\xDA';
constexpr char kTopRight = '\xBF';
constexpr char kBottomLeft = '\xC0';
constexpr char kBottomRight = '\xD9';
constexpr char kHorizontal = '\xC4';
constexpr char kVertical = '\xB3';

constexpr int kBlack = 0;
constexpr int kLightGrey = 7;
constexpr int kDarkGrey = 8;
constexpr int kYellow = 14;

constexpr std::size_t kExtensionLength = 4;

void Light(Screen& screen, int row, int col, const std::string& text) {
    screen.PrintAt(row, col, kLightGrey, kDarkGrey, text);
}

void Dark(Screen& screen, int row, int col, const std::string& text) {
    screen.PrintAt(row, col, kBlack, kDarkGrey, text);
}

void DrawLeftEdge(Screen& screen, int top, int bottom, int left) {
    Light(screen, top, left, std::string(1, kTopLeft));
    for (int row = top + 1; row < bottom; ++row)
        Light(screen, row, left, std::string(1, kVertical));
    Light(screen, bottom, left, std::string(1, kBottomLeft));
}

}  // namespace

void DrawLetterP(Screen& screen, const DesignState& state) {
    const std::uint8_t attribute = screen.console().Attribute();
    screen.PrintAt(state.AreaTop, state.AreaLeft, attribute & 15, attribute >> 4, "P");
}

void DrawOutline(Screen& screen, const DesignState& state) {
    const int top = state.AreaTop;
    const int left = state.AreaLeft;
    const int right = state.AreaRight;
    // A one-row area closes on the row below it.
    const int bottom = std::max(state.AreaBottom, top + 1);
    if (right <= left) {
        DrawLeftEdge(screen, top, bottom, left);
        return;
    }
    const std::string dashes(static_cast<std::size_t>(right - left - 1), kHorizontal);
    Light(screen, top, left, kTopLeft + dashes);
    Dark(screen, top, right, std::string(1, kTopRight));
    for (int row = top + 1; row < bottom; ++row) {
        Light(screen, row, left, std::string(1, kVertical));
        Dark(screen, row, right, std::string(1, kVertical));
    }
    Light(screen, bottom, left, std::string(1, kBottomLeft));
    Dark(screen, bottom, left + 1, dashes + kBottomRight);
}

void DrawOutlineAndName(Screen& screen, const DesignState& state) {
    DrawOutline(screen, state);
    const std::string& name = state.bitmapName;
    if (name.size() <= kExtensionLength) return;
    Dark(screen, state.AreaTop + 1, state.AreaLeft + 1,
         CellText(name.substr(0, name.size() - kExtensionLength)));
}

void DrawLineMarker(Screen& screen, const DesignState& state) {
    if (state.AreaBottom == state.AreaTop) {
        const int length = state.AreaRight - state.AreaLeft + 1;
        if (length > 0) {
            screen.PrintAt(state.AreaTop, state.AreaLeft, kYellow, kDarkGrey,
                           std::string(static_cast<std::size_t>(length), kHorizontal));
        }
        return;
    }
    for (int row = state.AreaTop; row <= state.AreaBottom; ++row)
        screen.PrintAt(row, state.AreaLeft, kYellow, kDarkGrey, std::string(1, kVertical));
}

}  // namespace gridlet
