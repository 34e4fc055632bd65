#pragma once
// A design grid with a graphic window, a marked area and the main loop's snapshot, for scripted
// flows of the drawing tools. Every screen shown is kept with the time and the object number of
// the moment, and the current directory is a temporary folder holding a 200 x 50 pic.bmp.

#include <filesystem>
#include <string>
#include <vector>

#include "all_images.h"
#include "model/pixel_mapping.h"
#include "support/bmp_file.h"
#include "support/console_fixture.h"
#include "support/image_cells.h"
#include "support/undo_view.h"
#include "support/working_folder.h"

namespace gridlet {

class ToolFixture : public ConsoleFixture {
  protected:
    struct Frame {
        std::vector<Cell> cells;
        std::int64_t time;
        std::int32_t objectNumber;
    };

    void SetUp() override {
        WriteBmp(folder / "pic.bmp", 200, 50);

        PaintMainScreen(screen);
        backend.onPresent = [this](const ScreenState& shown) {
            frames.push_back({shown.cells, clock.TimeOfDayMs(), design.objectNumber});
        };
    }

    // The window as the Window command leaves it for the area of these corners.
    void MakeWindow(int top, int left, int bottom, int right) {
        design.windowExists = 1;
        design.windowTopRow = top;
        design.windowLeftCol = left;
        design.windowBottomRow = bottom;
        design.windowRightCol = right;
        design.windowWidth = Nearest(static_cast<double>(kColumnWidth) * (right - left + 1));
        design.windowHeight = 23 * (bottom - top + 2) - 18;
    }
    void Mark(int top, int left, int bottom, int right) {
        pass.area.AreaTop = top;
        pass.area.AreaLeft = left;
        pass.area.AreaBottom = bottom;
        pass.area.AreaRight = right;
    }
    // The pass's snapshot, taken by the main loop before anything of the pass is drawn.
    void StartPass() {
        pass.snapshot = ScreenBytes();
        passScreen = pass.snapshot;
    }
    void ClickPropertiesOk() { Click(25, 45); }
    // A press without a move before it: it reports its own cell, and the menu's input routine
    // pauses after moves only, so the times seen are the tools' own.
    void ClickMoveAccept() { backend.Script(PressEvent(22, 43)); }
    void ChooseBitmap(const std::string& name) {
        for (char c : name) backend.Script(KeyEvent(c));
        backend.Script(KeyEvent('\r'));
    }
    std::string InFolder(const std::string& name) const { return (folder / name).string(); }

    static bool FrameShows(const Frame& frame, const ImageInfo& image) {
        return CellsShow(frame.cells, image);
    }
    const Frame* FirstFrameShowing(const ImageInfo& image) const {
        for (const Frame& frame : frames) {
            if (FrameShows(frame, image)) return &frame;
        }
        return nullptr;
    }
    static bool FrameHasText(const Frame& frame, const std::string& text) {
        for (int row = 0; row < kScreenHeight; ++row) {
            std::string line;
            for (int col = 0; col < kScreenWidth; ++col)
                line += static_cast<char>(
                    frame.cells[static_cast<std::size_t>(row * kScreenWidth + col)].ch);
            if (line.find(text) != std::string::npos) return true;
        }
        return false;
    }
    const Frame* FirstFrameWithText(const std::string& text) const {
        for (const Frame& frame : frames) {
            if (FrameHasText(frame, text)) return &frame;
        }
        return nullptr;
    }
    bool EverShown(const std::string& text) const { return FirstFrameWithText(text) != nullptr; }
    bool NothingRecorded() const {
        return design.paintCode.empty() && design.backgroundPaintCode.empty() &&
               design.starCode.empty() && design.arcCode.empty() && design.pieCode.empty() &&
               design.lineCode.empty() && design.bitmapCode.empty() && design.polygonCode.empty() &&
               design.boxCode.empty() && design.ellipseCode.empty() && design.textCode.empty() &&
               design.doStringBody.empty() && design.globalDecls.empty() &&
               design.mainAssignments.empty() && NothingToUndo(design) &&
               design.localDecls.empty() && design.supportFunctions.empty();
    }

    WorkingFolder workingFolder{"gridlet-tools-"};
    const std::filesystem::path folder = workingFolder.path;
    std::string passScreen;
    std::vector<Frame> frames;
};

}  // namespace gridlet
