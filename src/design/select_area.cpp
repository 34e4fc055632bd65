#include "design/select_area.h"

#include <cmath>
#include <string>

#include "interact/strip_buttons.h"
#include "model/pixel_mapping.h"
#include "model/screen_layout.h"
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

// The request of a click on a strip button: a left click asks for graphic-window code, a right
// one for printer code. None when the button asks for nothing, or for something that needs the
// window first.
AreaResult TakeRequest(const StripButton* button, bool rightClick, bool window) {
    AreaResult result;
    if (button == nullptr || (button->needsWindow && !window)) return result;
    if (rightClick && !button->rightPrinter) return result;
    if (button->areaRequest == AreaRequest::None) return result;
    result.outcome = AreaOutcome::Request;
    result.request = button->areaRequest;
    result.form = rightClick ? CodeForm::Printer : CodeForm::GraphicWindow;
    return result;
}

AreaResult Requesting(AreaRequest request) {
    return {AreaOutcome::Request, request, CodeForm::GraphicWindow};
}

// Waits for the first corner, into area; recognises the buttons that act without an area. Marked
// when the corner is taken.
AreaResult WaitFirstCorner(Console& console, const Design& design, MarkedArea& area) {
    const bool window = design.windowExists != 0;
    const CellRect windowArea{design.windowTopRow, design.windowLeftCol, design.windowBottomRow,
                              design.windowRightCol};
    for (;;) {
        const ConsoleEvent event = console.ReadEvent();
        const bool click = event.IsMouse() && event.kind != EventKind::Move;
        const StripButton* button = AreaPhaseButtonAt(event.row, event.col);
        if (click && event.buttons == kLeftButton) {
            AreaResult request = TakeRequest(button, false, window);
            // Shift turns the Undo button into Redo, as r does for u.
            if (event.shift && request.request == AreaRequest::Undo) {
                request.request = AreaRequest::Redo;
            }
            if (request.outcome == AreaOutcome::Request) return request;
            // Before the window exists, the strips are no place for a corner.
            if (!window && OnAreaPhaseStrip(event.col)) continue;
            if (!windowArea.Contains(event.row, event.col)) continue;
            area.AreaTop = event.row;
            area.AreaLeft = event.col;
            return {AreaOutcome::Marked};
        }
        // Escape asks for the exit dialog as the Exit button does.
        if (event.IsKey(kEscKey)) return Requesting(AreaRequest::Exit);
        if (event.IsExtendedKey(kScanF1)) return Requesting(AreaRequest::Help);
        if (event.IsExtendedKey(kScanF2)) return Requesting(AreaRequest::PictureView);
        if (event.IsExtendedKey(kScanF3)) return Requesting(AreaRequest::Objects);
        if (event.IsKey('u') || event.IsKey(kBackspaceKey)) return Requesting(AreaRequest::Undo);
        if (event.IsKey('r') || event.IsKey(kRedoKey)) return Requesting(AreaRequest::Redo);
        if (event.IsKey(kSaveKey)) return Requesting(AreaRequest::Save);
        if (event.IsExtendedKey(kScanF12)) return Requesting(AreaRequest::SaveAs);
        if (click && event.buttons == kRightButton) return TakeRequest(button, true, window);
    }
}

void DrawBand(Screen& screen, bool window, const MarkedArea& area) {
    Console& console = screen.console();
    const int top = area.AreaTop, bottom = area.AreaBottom, left = area.AreaLeft,
              right = area.AreaRight;
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
        if (!window) {
            console.SetColor(1, 8);
            readout = Readout(columns) + " X" + Readout(kRowHeight * (bottom - top + 2) + 2);
        } else {
            console.SetColor(4, 7);
            readout = Readout(columns - 6) + " X" + Readout(kRowHeight * (bottom - top + 1));
        }
        console.Locate(kHintRow, 1);
        console.Print(readout + std::string(79, ' '));
    }
    if (window && left == right) {
        const std::uint8_t attr = console.Attribute();
        screen.PrintAt(top, left, attr & 15, attr >> 4, std::string(1, kDarkShade));
        screen.PrintAt(bottom, left, attr & 15, attr >> 4, std::string(1, kDarkShade));
    }
}

bool InsideBandRegion(const Design& design, int row, int col) {
    if (design.windowExists != 0)
        return row <= design.windowBottomRow && col <= design.windowRightCol;
    return row <= kDesignGrid.bottom && col >= kDesignGrid.left && col <= kDesignGrid.right;
}

// Draws the band for a pointer at the far corner's cell. False when the pointer went three or more
// columns left of the first corner, which drops it.
bool FollowPointer(Screen& screen, const Design& design, const std::string& phaseSnapshot,
                   MarkedArea& area, int row, int col) {
    area.AreaBottom = row;
    area.AreaRight = col;
    screen.RestoreScreen(phaseSnapshot);
    if (area.AreaBottom >= area.AreaTop - 1 && area.AreaLeft <= area.AreaRight) {
        if (InsideBandRegion(design, area.AreaBottom, area.AreaRight)) {
            DrawBand(screen, design.windowExists != 0, area);
        }
    } else if (area.AreaRight < area.AreaLeft - 2) {
        return false;
    }
    return true;
}

// Follows the pointer with the rubber band until a button is pressed, starting at the first
// corner, where the pointer is. The band for the pointer's place is drawn before each wait, so it
// shows at once. False when the first corner was dropped.
bool WaitSecondCorner(Screen& screen, const Design& design, const std::string& phaseSnapshot,
                      MarkedArea& area) {
    Console& console = screen.console();
    console.SetMouseEvents(kAllButtons, kMove | kPress);
    int row = area.AreaTop, col = area.AreaLeft;
    if (!FollowPointer(screen, design, phaseSnapshot, area, row, col)) return false;
    for (;;) {
        const ConsoleEvent event = console.ReadEvent();
        if (event.row != row || event.col != col) {
            row = event.row;
            col = event.col;
            if (!FollowPointer(screen, design, phaseSnapshot, area, row, col)) return false;
        }
        if (event.IsPress()) return true;
    }
}

}  // namespace

AreaResult SelectArea(Screen& screen, Design& design, MarkedArea& area,
                      std::string& hintRowNotice) {
    Console& console = screen.console();
    area = MarkedArea{};
    std::string phaseSnapshot;
    screen.SaveScreen(phaseSnapshot);
    console.Locate(kHintRow, 1);
    console.SetColor(0, 7);
    if (design.windowExists == 0) {
        design.windowBottomRow = kAreaBottomBound;
        design.windowRightCol = kDesignGrid.right;
    }
    if (design.windowExists == 0 && hintRowNotice.empty()) {
        console.Print(kAreaPrompt);
    } else {
        std::string row = std::move(hintRowNotice);
        hintRowNotice.clear();
        row.resize(kScreenWidth, ' ');
        console.Print(row);
    }
    console.SetMouseEvents(kAllButtons, kPress | kDoubleClick);
    for (;;) {
        const AreaResult first = WaitFirstCorner(console, design, area);
        if (first.outcome != AreaOutcome::Marked) return first;
        if (WaitSecondCorner(screen, design, phaseSnapshot, area)) break;
        // A dropped corner leaves no area for the tool phase to act on.
        area = MarkedArea{};
    }
    if (area.AreaTop > area.AreaBottom) area.AreaBottom = area.AreaTop;
    console.SetMouseEvents(kAllButtons, kPress | kDoubleClick);
    return {AreaOutcome::Marked};
}

}  // namespace gridlet
