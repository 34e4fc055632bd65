#include "design/select_area.h"

#include <cmath>
#include <string>

#include "interact/strip_buttons.h"
#include "model/pixel_mapping.h"
#include "platform/keys.h"

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

enum class FirstCorner { Taken, Request, Nothing };

// The request of a click on a strip button: 1 for a left click, 2 (printer code) for a right
// one. False when the button asks for nothing, or for something that needs the window first.
bool TakeRequest(AreaRequests& requests, const StripButton* button, bool rightClick, bool window) {
    if (button == nullptr || (button->needsWindow && !window)) return false;
    if (rightClick && !button->rightPrinter) return false;
    const int value = rightClick ? 2 : 1;
    switch (button->areaRequest) {
        case AreaRequest::None:
            return false;
        case AreaRequest::Preview:
            requests.previewRequest = value;
            break;
        case AreaRequest::Undo:
            requests.undo = true;
            break;
        case AreaRequest::Exit:
            requests.exit = true;
            break;
        case AreaRequest::CodeView:
            requests.codeViewRequest = value;
            break;
        case AreaRequest::Build:
            requests.buildRequest = value;
            break;
    }
    return true;
}

// Waits for the first corner; recognises the buttons that act without an area.
FirstCorner WaitFirstCorner(Context& context) {
    Console& console = context.console;
    Design& design = context.design;
    PassState& pass = context.pass;
    const bool window = design.windowExists != 0;
    const CellRect windowArea{design.windowTopRow, design.windowLeftCol, design.windowBottomRow,
                              design.windowRightCol};
    for (;;) {
        const ConsoleEvent event = console.ReadEvent();
        const bool click = event.IsMouse() && event.kind != EventKind::Move;
        const StripButton* button = AreaPhaseButtonAt(event.row, event.col);
        if (click && event.buttons == kLeftButton) {
            if (TakeRequest(pass.requests, button, false, window)) return FirstCorner::Request;
            // Before the window exists, the strips are no place for a corner.
            if (!window && OnAreaPhaseStrip(event.col)) continue;
            if (!windowArea.Contains(event.row, event.col)) continue;
            pass.AreaTop = event.row;
            pass.AreaLeft = event.col;
            return FirstCorner::Taken;
        }
        if (event.IsKey(kEscKey)) {
            pass.requests.escape = true;
            return FirstCorner::Request;
        }
        if (event.IsExtendedKey(kScanF1)) {
            pass.requests.help = true;
            return FirstCorner::Request;
        }
        if (click && event.buttons == kRightButton) {
            return TakeRequest(pass.requests, button, true, window) ? FirstCorner::Request
                                                                    : FirstCorner::Nothing;
        }
    }
}

void DrawBand(Context& context) {
    Console& console = context.console;
    Screen& screen = context.screen;
    const Design& design = context.design;
    const PassState& pass = context.pass;
    const int top = pass.AreaTop, bottom = pass.AreaBottom, left = pass.AreaLeft,
              right = pass.AreaRight;
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
        if (design.windowExists == 0) {
            console.SetColor(1, 8);
            readout = Readout(columns) + " X" + Readout(23.0 * (bottom - top + 2) + 2);
        } else {
            console.SetColor(4, 7);
            readout = Readout(columns - 6) + " X" + Readout(23.0 * (bottom - top + 1));
        }
        console.Locate(46, 1);
        console.Print(readout + std::string(79, ' '));
    }
    if (design.windowExists != 0 && left == right) {
        const std::uint8_t attr = console.Attribute();
        screen.PrintAt(top, left, attr & 15, attr >> 4, std::string(1, kDarkShade));
        screen.PrintAt(bottom, left, attr & 15, attr >> 4, std::string(1, kDarkShade));
    }
}

bool InsideBandRegion(const Design& design, int row, int col) {
    if (design.windowExists != 0)
        return row <= design.windowBottomRow && col <= design.windowRightCol;
    return row <= 45 && col >= 11 && col <= 80;
}

// Draws the band for a pointer at the far corner's cell. False when the pointer went three or more
// columns left of the first corner, which drops it.
bool FollowPointer(Context& context, const std::string& phaseSnapshot, int row, int col) {
    PassState& pass = context.pass;
    pass.AreaBottom = row;
    pass.AreaRight = col;
    context.screen.RestoreScreen(phaseSnapshot);
    if (pass.AreaBottom >= pass.AreaTop - 1 && pass.AreaLeft <= pass.AreaRight) {
        if (InsideBandRegion(context.design, pass.AreaBottom, pass.AreaRight)) DrawBand(context);
    } else if (pass.AreaRight < pass.AreaLeft - 2) {
        return false;
    }
    return true;
}

// Follows the pointer with the rubber band until a button is pressed, starting at the first
// corner, where the pointer is. The band for the pointer's place is drawn before each wait, so it
// shows at once. False when the first corner was dropped.
bool WaitSecondCorner(Context& context, const std::string& phaseSnapshot) {
    Console& console = context.console;
    console.SetMouseEvents(kAllButtons, kMove | kPress);
    int row = context.pass.AreaTop, col = context.pass.AreaLeft;
    if (!FollowPointer(context, phaseSnapshot, row, col)) return false;
    for (;;) {
        const ConsoleEvent event = console.ReadEvent();
        if (event.row != row || event.col != col) {
            row = event.row;
            col = event.col;
            if (!FollowPointer(context, phaseSnapshot, row, col)) return false;
        }
        if (event.IsPress()) return true;
    }
}

}  // namespace

AreaOutcome SelectArea(Context& context) {
    Console& console = context.console;
    Design& design = context.design;
    PassState& pass = context.pass;
    pass.AreaTop = pass.AreaBottom = pass.AreaLeft = pass.AreaRight = 0;
    std::string phaseSnapshot;
    context.screen.SaveScreen(phaseSnapshot);
    console.Locate(46, 1);
    console.SetColor(0, 7);
    if (design.windowExists == 0) {
        design.windowBottomRow = 47;
        design.windowRightCol = 80;
        console.Print(kAreaPrompt);
    } else {
        std::string row = std::move(pass.hintRowNotice);
        pass.hintRowNotice.clear();
        row.resize(kScreenWidth, ' ');
        console.Print(row);
    }
    console.SetMouseEvents(kAllButtons, kPress | kDoubleClick);
    for (;;) {
        const FirstCorner first = WaitFirstCorner(context);
        if (first == FirstCorner::Request) return AreaOutcome::Request;
        if (first == FirstCorner::Nothing) return AreaOutcome::Nothing;
        if (WaitSecondCorner(context, phaseSnapshot)) break;
        // A dropped corner leaves no area for the tool phase to act on.
        pass.AreaTop = pass.AreaBottom = pass.AreaLeft = pass.AreaRight = 0;
    }
    if (pass.AreaTop > pass.AreaBottom) pass.AreaBottom = pass.AreaTop;
    console.SetMouseEvents(kAllButtons, kPress | kDoubleClick);
    return AreaOutcome::Marked;
}

}  // namespace gridlet
