#include "design/select_area.h"

#include <cmath>
#include <string>

#include "design/pixel_mapping.h"
#include "platform/input_events.h"

namespace gridlet {
namespace {

constexpr char kAreaPrompt[] =
    " Select an area for a Graphic Window by clicking on its Top Left and Bottom Right corners ";
constexpr char kDarkShade = '\xB2';
constexpr char kUpperHalf = '\xDF';
constexpr char kLowerHalf = '\xDC';
constexpr char kFullBlock = '\xDB';

// N(v): the digits preceded by one blank.
std::string Readout(double value) {
    std::string text = " ";
    text += std::to_string(static_cast<long long>(std::floor(value)));
    return text;
}

bool IsKey(const std::string& event, const std::string& key) {
    return !IsMouseEvent(event) && event == key;
}

enum class FirstCorner { Taken, Request, Nothing };

// Waits for the first corner; recognises the buttons that act without an area.
FirstCorner WaitFirstCorner(Context& context) {
    Console& console = context.console;
    DesignState& state = context.state;
    AreaRequests& requests = state.requests;
    const bool window = state.windowExists != 0;
    for (;;) {
        const std::string event = console.PollEvent(1);
        if (event.empty()) continue;
        const int r = console.MouseRow();
        const int c = console.MouseCol();
        const int buttons = MouseButtonsOf(event);
        const int kind = MouseEventKindOf(event);
        if (IsMouseEvent(event) && kind != kMove && buttons == kLeftButton) {
            if (r >= 37 && r <= 39 && c >= 82) {
                requests.previewRequest = 1;
            } else if (r >= 40 && r <= 42 && c >= 82) {
                requests.undo = true;
            } else if (r >= 43 && r <= 45 && c >= 82) {
                requests.exit = true;
            } else if (r >= 34 && r <= 36 && c >= 82 && window) {
                requests.codeViewRequest = 1;
            } else if (r >= 43 && r <= 45 && c <= 9 && window) {
                requests.buildRequest = 1;
            } else if (!window && (c <= 9 || c >= 82)) {
                continue;
            } else if (r >= state.windowTopRow && r <= state.windowBottomRow &&
                       c >= state.windowLeftCol && c <= state.windowRightCol) {
                state.AreaTop = r;
                state.AreaLeft = c;
                return FirstCorner::Taken;
            } else {
                continue;
            }
            return FirstCorner::Request;
        }
        if (IsKey(event, std::string(1, kEscKey))) {
            requests.escape = true;
            return FirstCorner::Request;
        }
        if (IsKey(event, ExtendedKeyEvent(kScanF1).code)) {
            requests.help = true;
            return FirstCorner::Request;
        }
        if (IsMouseEvent(event) && kind != kMove && buttons == kRightButton) {
            if (r >= 43 && r <= 45 && c <= 9 && window) {
                requests.buildRequest = 2;
            } else if (r >= 37 && r <= 39 && c >= 82) {
                requests.previewRequest = 2;
            } else if (r >= 34 && r <= 36 && c >= 82 && window) {
                requests.codeViewRequest = 2;
            } else {
                return FirstCorner::Nothing;
            }
            return FirstCorner::Request;
        }
    }
}

void DrawBand(Context& context) {
    Console& console = context.console;
    Screen& screen = context.screen;
    const DesignState& s = context.state;
    const int top = s.AreaTop, bottom = s.AreaBottom, left = s.AreaLeft, right = s.AreaRight;
    if (top == bottom) {
        console.SetColor(1, 8);
        screen.PrintAt(top, left, 1, 8,
                       std::string(static_cast<std::size_t>(right - left + 1), kDarkShade));
    } else {
        if (left < right)
            screen.PrintAt(top, left, 2, 8,
                           std::string(static_cast<std::size_t>(right - left), kUpperHalf));
        for (int row = top; row <= bottom; ++row) {
            screen.PrintAt(row, left, 2, 8, std::string(1, kFullBlock));
            screen.PrintAt(row, right, 2, 8, std::string(1, kFullBlock));
        }
        if (left < right) {
            screen.PrintAt(bottom, left + 1, 2, 8,
                           std::string(static_cast<std::size_t>(right - left - 1), kLowerHalf));
        }
        const double columns = static_cast<double>(kColumnWidth) * (right - left + 1);
        std::string readout;
        if (s.windowExists == 0) {
            console.SetColor(1, 8);
            readout = Readout(columns) + " X" + Readout(23.0 * (bottom - top + 2) + 2);
        } else {
            console.SetColor(4, 7);
            readout = Readout(columns - 6) + " X" + Readout(23.0 * (bottom - top + 1));
        }
        console.Locate(46, 1);
        console.Print(readout + std::string(79, ' '));
    }
    if (s.windowExists != 0 && left == right) {
        const std::uint8_t attr = console.Attribute();
        screen.PrintAt(top, left, attr & 15, attr >> 4, std::string(1, kDarkShade));
        screen.PrintAt(bottom, left, attr & 15, attr >> 4, std::string(1, kDarkShade));
    }
}

bool InsideBandRegion(const DesignState& s, int row, int col) {
    if (s.windowExists != 0) return row <= s.windowBottomRow && col <= s.windowRightCol;
    return row <= 45 && col >= 11 && col <= 80;
}

// Follows the pointer with the rubber band until a button is pressed. False when the pointer went
// three or more columns left of the first corner, which drops it.
bool WaitSecondCorner(Context& context, const std::string& phaseSnapshot) {
    Console& console = context.console;
    DesignState& s = context.state;
    console.SetMouseEvents(kAllButtons, kMove | kPress);
    int lastRow = 0, lastCol = 0;
    for (;;) {
        const std::string event = console.PollEvent(1);
        s.AreaBottom = console.MouseRow();
        s.AreaRight = console.MouseCol();
        if (s.AreaBottom != lastRow || s.AreaRight != lastCol) {
            context.screen.RestoreScreen(phaseSnapshot);
            if (s.AreaBottom >= s.AreaTop - 1 && s.AreaLeft <= s.AreaRight) {
                if (InsideBandRegion(s, s.AreaBottom, s.AreaRight)) DrawBand(context);
            } else if (s.AreaRight < s.AreaLeft - 2) {
                return false;
            }
            lastRow = s.AreaBottom;
            lastCol = s.AreaRight;
        }
        if (MouseEventKindOf(event) == kPress) return true;
    }
}

}  // namespace

AreaOutcome SelectArea(Context& context) {
    Console& console = context.console;
    DesignState& s = context.state;
    s.AreaTop = s.AreaBottom = s.AreaLeft = s.AreaRight = 0;
    std::string phaseSnapshot;
    context.screen.SaveScreen(phaseSnapshot);
    console.Locate(46, 1);
    console.SetColor(0, 7);
    if (s.windowExists == 0) {
        s.windowBottomRow = 47;
        s.windowRightCol = 80;
        console.Print(kAreaPrompt);
    } else {
        console.Print(std::string(90, ' '));
    }
    console.SetMouseEvents(kAllButtons, kPress | kDoubleClick);
    for (;;) {
        const FirstCorner first = WaitFirstCorner(context);
        if (first == FirstCorner::Request) return AreaOutcome::Request;
        if (first == FirstCorner::Nothing) return AreaOutcome::Nothing;
        if (WaitSecondCorner(context, phaseSnapshot)) break;
        // A dropped corner leaves no area for the tool phase to act on.
        s.AreaTop = s.AreaBottom = s.AreaLeft = s.AreaRight = 0;
    }
    if (s.AreaTop > s.AreaBottom) s.AreaBottom = s.AreaTop;
    console.SetMouseEvents(kAllButtons, kPress | kDoubleClick);
    return AreaOutcome::Marked;
}

}  // namespace gridlet
