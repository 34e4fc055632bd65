#pragma once
// The output routes at work: the main screen with a window-only design, a current directory of
// the test's own with a blank in its name, stand-in outside programs on the environment's search
// path, and every screen shown kept.

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "all_images.h"
#include "design/window_command.h"
#include "support/console_fixture.h"
#include "support/working_folder.h"

namespace gridlet {

class RouteFixture : public ConsoleFixture {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(folder / "bin");
        environment.searchPath = (folder / "bin").string();

        PaintMainScreen(screen);
        CreateWindow(design, {5, 20, 15, 39}, Properties{});  // 229 x 258 pixels
        backend.onPresent = [this](const ScreenState& shown) { frames.push_back(shown.cells); };
    }

    // A shell script that stands in for an outside program, in the search path's folder.
    std::string StandIn(const std::string& name, const std::string& body) {
        const std::filesystem::path path = folder / "bin" / name;
        std::ofstream(path) << "#!/bin/sh\n" << body;
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        return path.string();
    }
    std::string Read(const std::filesystem::path& path) const {
        std::ifstream file(path, std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }
    std::string InFolder(const std::string& name) const { return (folder / name).string(); }

    static std::string Row(const std::vector<Cell>& cells, int row) {
        std::string text;
        for (int col = 1; col <= kScreenWidth; ++col)
            text += static_cast<char>(
                cells[static_cast<std::size_t>((row - 1) * kScreenWidth + col - 1)].ch);
        return text;
    }
    // The first screen shown whose row starts with the text.
    const std::vector<Cell>* FrameWithRow(int row, const std::string& start) const {
        for (const std::vector<Cell>& frame : frames) {
            if (Row(frame, row).rfind(start, 0) == 0) return &frame;
        }
        return nullptr;
    }

    WorkingFolder workingFolder{"gridlet routes "};
    const std::filesystem::path folder = workingFolder.path;
    std::vector<std::vector<Cell>> frames;
};

// The routine of the window-only design for graphic-window code, as the composition closes it for
// a complete program.
inline const std::string kWindowOnlyRoutine =
    "\r\n"
    " SUB GraficWin ()\r\n\r\n"
    "   LOCAL hwin AS LONG \r\n\r\n"
    "   GRAPHIC WINDOW \" Example for PBCC5 or PBwin9 \", 103, 115, 229, 258 TO hWin\r\n"
    "   GRAPHIC ATTACH hWin, 0 \r\n"
    "   GRAPHIC COLOR 0,%WHITE\r\n"
    "   GRAPHIC CLEAR\r\n\r\n"
    " END SUB \r\n\r\n";

// PBMAIN of a design without string variables: exactly five lines.
inline const std::string kPlainMain =
    " FUNCTION PBMAIN () as long\r\n"
    "    GraficWin \r\n"
    "    Graphic Waitkey$\r\n"
    "    Graphic Window End\r\n"
    " END FUNCTION \r\n";

}  // namespace gridlet
