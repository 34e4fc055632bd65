#include "output/preview_route.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <thread>

#include "output/compose_program.h"
#include "output/preview_picture.h"
#include "output/route_fixture.h"
#include "platform/basic_error.h"
#include "support/refusing_folder.h"
#include "support/run_main_loop.h"

namespace gridlet {
namespace {

std::string PadToWidth(std::string text) {
    text.resize(kScreenWidth, ' ');
    return text;
}

const std::string kPrinterRoutine =
    "\r\n"
    " SUB GraficWin ()\r\n\r\n"
    "   XPRINT ATTACH CHOOSE \r\n\r\n"
    "  XPRINT SCALE (0,0)-( 801, 1056)\r\n"
    "   XPRINT FORMFEED\r\n"
    "   XPRINT CLOSE\r\n"
    " END SUB\r\n\r\n";

// Width and height from a PNG file's header chunk.
std::pair<int, int> PngSize(const std::string& png) {
    const auto number = [&png](std::size_t at) {
        int value = 0;
        for (std::size_t i = at; i < at + 4; ++i)
            value = value * 256 + static_cast<unsigned char>(png.at(i));
        return value;
    };
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    return {number(16), number(20)};
}

class PreviewRouteTest : public RouteFixture {
  protected:
    void Preview(int button) {
        ComposeProgram(context, {OutputRoute::Preview,
                                 button == 2 ? CodeForm::Printer : CodeForm::GraphicWindow});
    }
    bool RunMainLoop() { return gridlet::RunMainLoop(context); }
};

// Left click: graphic-window code; right click: printer code, whose PBMAIN is the same.
TEST_F(PreviewRouteTest, TheCompleteProgramIsWrittenLeftOnTheClipboardAndItsPictureShown) {
    const struct {
        int button;
        std::string program;
        std::string title;
        int width, height;
    } cases[] = {
        {1, kWindowOnlyRoutine + kPlainMain,
         " Graphic window, 229 x 258 pixels - Testgui.png - any key or click closes", 229, 258},
        {2, kPrinterRoutine + kPlainMain,
         " Printed page, 801 x 1056 pixels - Testgui.png - any key or click closes", 801, 1056},
    };
    screen.PrintAt(10, 30, 14, 8, "design on screen");
    const std::string before = ScreenBytes();
    for (const auto& c : cases) {
        backend.pictures.clear();
        frames.clear();
        backend.Script({MoveEvent(20, 20), ReleaseEvent(20, 20), KeyEvent('x')});
        Preview(c.button);

        EXPECT_EQ(Read("Testgui.bas"), c.program);
        EXPECT_EQ(clipboard.text, c.program);

        ASSERT_EQ(backend.pictures.size(), 1u);
        const MemoryBackend::ShownPicture& shown = backend.pictures[0];
        EXPECT_EQ(shown.width, c.width);
        EXPECT_EQ(shown.height, c.height);
        // The window is cleared to white, and so is a page.
        EXPECT_TRUE(std::all_of(shown.rgb.begin(), shown.rgb.end(),
                                [](std::uint8_t byte) { return byte == 255; }));
        EXPECT_EQ(shown.area, (CellRect{2, 1, 45, 90}));
        EXPECT_EQ(PngSize(Read("Testgui.png")), std::make_pair(c.width, c.height));

        const std::vector<Cell>* titled = FrameWithRow(1, c.title);
        ASSERT_NE(titled, nullptr) << c.title;
        for (int row = 2; row <= kScreenHeight; ++row)
            EXPECT_EQ(Row(*titled, row), std::string(90, ' ')) << "row " << row;
        EXPECT_EQ(backend.Pending(), 0u) << "the key that closed the picture was taken";
        EXPECT_EQ(ScreenBytes(), before);
    }
    EXPECT_EQ(backend.picturesHidden, 2);
}

TEST_F(PreviewRouteTest, StringVariablesAreAssignedInPbmainAndDoStringIsCalled) {
    design.globalDecls = " GLOBAL sName AS STRING\r\n";
    design.doStringBody = "   GRAPHIC SET POS (10, 20)\r\n   GRAPHIC PRINT sName\r\n\r\n";
    design.mainAssignments = "    sName = \"Gridlet\"\r\n";
    const std::string main =
        " FUNCTION PBMAIN () as long\r\n"
        "    GraficWin \r\n"
        "    sName = \"Gridlet\"\r\n"
        "    DoString\r\n"
        "    Graphic Waitkey$\r\n"
        "    Graphic Window End\r\n"
        " END FUNCTION \r\n";
    // Printer code prints with XPRINT alone, as it does a text.
    const auto doString = [](const std::string& statement, const std::string& print) {
        return " SUB DoString\r\n"
               "   LOCAL esc, hfont, Xs, Ys AS LONG\r\n\r\n"
               "   " +
               statement + " SET POS (10, 20)\r\n   " + print +
               " sName\r\n\r\n"
               "     FONT END hfont\r\n"
               " End SUB\r\n\r\n";
    };
    const struct {
        int button;
        std::string program;
    } cases[] = {
        {1, " GLOBAL sName AS STRING\r\n\r\n" + doString("GRAPHIC", "GRAPHIC PRINT") +
                kWindowOnlyRoutine.substr(2) + main},
        {2, " GLOBAL sName AS STRING\r\n\r\n" + doString("XPRINT", "XPRINT") +
                kPrinterRoutine.substr(2) + main},
    };
    for (const auto& c : cases) {
        backend.Script(KeyEvent('x'));
        Preview(c.button);
        EXPECT_EQ(Read("Testgui.bas"), c.program) << c.button;
    }
}

// The list takes the bottom rows; the picture stays above it.
TEST_F(PreviewRouteTest, StatementsNotDrawnAreListedUnderThePicture) {
    design.boxCode = "   GRAPHIC FROB 1, 2\r\n\r\n";
    backend.Script(KeyEvent('x'));
    Preview(1);
    const std::string program = Read("Testgui.bas");
    const auto line =
        1 + std::count(program.begin(), program.begin() + program.find("GRAPHIC FROB"), '\n');
    const std::vector<Cell>* titled = FrameWithRow(1, " Graphic window");
    ASSERT_NE(titled, nullptr);
    EXPECT_EQ(Row(*titled, 46)
                  .rfind(" not drawn, line " + std::to_string(line) +
                             " (statement not understood): GRAPHIC FROB 1, 2",
                         0),
              0u)
        << Row(*titled, 46);
    ASSERT_EQ(backend.pictures.size(), 1u);
    EXPECT_EQ(backend.pictures[0].area, (CellRect{2, 1, 45, 90}));
}

TEST(PreviewPicture, ALongListEndsWithHowManyMore) {
    std::vector<NotDrawn> notDrawn;
    for (int line = 1; line <= 10; ++line)
        notDrawn.push_back({line, "   GRAPHIC FROB " + std::string(100, 'x'), "unknown"});
    const std::vector<std::string> rows = NotDrawnRows(notDrawn, 8);
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(
        rows[0],
        (" not drawn, line 1 (unknown): GRAPHIC FROB " + std::string(100, 'x')).substr(0, 90));
    EXPECT_EQ(rows[6].substr(0, 20), " not drawn, line 7 (");
    EXPECT_EQ(rows[7], " ... and 3 more not drawn");
    EXPECT_EQ(NotDrawnRows(std::vector<NotDrawn>(8, notDrawn[0]), 8).size(), 8u);
}

// The row is cut at the screen's edge: the reason comes before the statement, so it stays.
TEST(PreviewPicture, TheReasonComesBeforeTheStatement) {
    const std::vector<NotDrawn> notDrawn = {
        {12, "   GRAPHIC BOX (1, 2) - (" + std::string(80, '9') + ", 4)",
         "coordinate out of range"},
        {0, "", "no FUNCTION PBMAIN and no SUB GraficWin to run"},
    };
    EXPECT_EQ(NotDrawnRows(notDrawn, 8),
              (std::vector<std::string>{
                  (" not drawn, line 12 (coordinate out of range): GRAPHIC BOX (1, 2) - (" +
                   std::string(80, '9'))
                      .substr(0, 90),
                  " not drawn (no FUNCTION PBMAIN and no SUB GraficWin to run)"}));
}

TEST(PreviewPicture, AProgramWithoutAWindowSaysSo) {
    EXPECT_EQ(PreviewTitle(RenderResult{}, "Testgui.png"),
              " The program opens no graphic window: nothing to show - any key or click closes");
}

// The picture comes on a click of the Preview button; a key closes it and the design is back.
TEST_F(PreviewRouteTest, PreviewButtonShowsThePictureUntilAKey) {
    screen.PrintAt(10, 30, 14, 8, "design on screen");
    const std::string before = ScreenBytes();
    Click(38, 85);
    backend.Script(KeyEvent('q'));
    EXPECT_FALSE(RunMainLoop());
    EXPECT_EQ(backend.pictures.size(), 1u);
    EXPECT_EQ(backend.picturesHidden, 1);
    EXPECT_EQ(ScreenBytes().substr(0, 45 * 90 * 4), before.substr(0, 45 * 90 * 4));
}

// A Testgui.bas that cannot be replaced (here a folder with a file in it) ends the route with
// error 70: the trap's text on row 46, the request and the text gone, the clipboard already set.
TEST_F(PreviewRouteTest, AFileThatCannotBeWrittenGoesToTheErrorTrap) {
    std::filesystem::create_directories(folder / "Testgui.bas");
    std::ofstream(folder / "Testgui.bas" / "inside") << "x";
    Click(38, 85);
    EXPECT_FALSE(RunMainLoop());
    EXPECT_NE(FrameWithRow(46,
                           "  If you clicked on the Preview Button, there may already be a "
                           "Graphic Screen running     "),
              nullptr);
    EXPECT_TRUE(backend.pictures.empty());
    EXPECT_EQ(clipboard.text, kWindowOnlyRoutine + kPlainMain);

    EXPECT_THROW(Preview(1), BasicError);
}

// A folder that takes no new file is named on row 46 with the reason, not taken for a program
// that holds Testgui.bas.
TEST_F(PreviewRouteTest, AFolderThatCannotBeWrittenIsSaidSo) {
    const RefusingFolder refusing(folder / "ro", RefusingFolder::Kind::ReadOnly);
    if (!refusing.unavailable.empty()) GTEST_SKIP() << refusing.unavailable;
    std::filesystem::current_path(folder / "ro");
    Click(38, 85);
    EXPECT_FALSE(RunMainLoop());
    std::filesystem::current_path(folder);
    const std::vector<Cell>* said = FrameWithRow(46, " Cannot write in the folder ");
    ASSERT_NE(said, nullptr);
    std::string row = Row(*said, 46);
    row.erase(row.find_last_not_of(' ') + 1);
    const std::string reason = std::string(": ") + std::strerror(refusing.error);
    EXPECT_TRUE(row.ends_with("/ro" + reason)) << row;
    EXPECT_EQ(FrameWithRow(46, "  If you clicked on the Preview Button"), nullptr);
    EXPECT_TRUE(backend.pictures.empty());
}

// Where the compiler is installed under wine the route is the compiler's: Testgui.exe deleted,
// the program written, the compiler run with the Windows path of the source as one argument and
// waited for, then after 100 ms Testgui.exe started through wine, in the current directory.
TEST_F(PreviewRouteTest, TheCompilerUnderWineBuildsAndStartsTestgui) {
    const std::filesystem::path compiler = folder / "prefix" / "drive_c" / "pbwin90" / "Bin";
    std::filesystem::create_directories(compiler);
    std::ofstream(compiler / "PBWIN.exe") << "compiler";
    environment.winePrefix = InFolder("prefix");
    const std::string log = InFolder("wine.log");
    StandIn("wine", "{ echo \"cwd=$(pwd)\"; printf '[%s]\\n' \"$@\"; } >> '" + log +
                        "'\n"
                        "if [ \"$1\" = 'C:\\PBwin90\\BIN\\PBwin.EXE' ]; then\n"
                        "  [ -e Testgui.exe ] && echo 'old program still there' >> '" +
                        log +
                        "'\n"
                        "  sleep 0.2\n"
                        "  echo built > Testgui.exe\n"
                        "else\n"
                        "  echo \"found $(cat Testgui.exe)\" >> '" +
                        log +
                        "'\n"
                        "  touch '" +
                        log +
                        ".started'\n"
                        "fi\n");
    std::ofstream(folder / "Testgui.exe") << "old";

    Preview(1);

    std::string source = InFolder("Testgui.bas");
    std::replace(source.begin(), source.end(), '/', '\\');
    const std::string compiled =
        "cwd=" + folder.string() + "\n[C:\\PBwin90\\BIN\\PBwin.EXE]\n[/Q]\n[Z:" + source + "]\n";
    EXPECT_EQ(clock.TimeOfDayMs(), 100);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!std::filesystem::exists(log + ".started") &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(Read(log), compiled + "cwd=" + folder.string() + "\n[Testgui.exe]\nfound built\n")
        << "the compiler, slow to build, is waited for before the program starts";
    EXPECT_EQ(Read(folder / "Testgui.exe"), "built\n");
    EXPECT_EQ(Read(folder / "Testgui.bas"), kWindowOnlyRoutine + kPlainMain);
    EXPECT_EQ(clipboard.text, kWindowOnlyRoutine + kPlainMain);
    EXPECT_TRUE(backend.pictures.empty());
}

// A compiler that fails starts nothing: no Testgui.exe is run, and row 46 gives its status for
// the 3 s of a notice; the route still ends as always.
TEST_F(PreviewRouteTest, AFailedCompilationSaysSoAndStartsNothing) {
    const std::filesystem::path compiler = folder / "prefix" / "drive_c" / "PBwin90" / "BIN";
    std::filesystem::create_directories(compiler);
    std::ofstream(compiler / "PBwin.EXE") << "compiler";
    environment.winePrefix = InFolder("prefix");
    const std::string log = InFolder("wine.log");
    StandIn("wine", "printf '[%s]' \"$1\" >> '" + log +
                        "'\n"
                        "[ \"$1\" = 'C:\\PBwin90\\BIN\\PBwin.EXE' ] && exit 2\n");

    Preview(1);

    EXPECT_EQ(Read(log), "[C:\\PBwin90\\BIN\\PBwin.EXE]") << "Testgui.exe was started";
    EXPECT_EQ(RowText(46),
              PadToWidth(" The compiler failed with status 2; Testgui.exe was not started"));
    EXPECT_EQ(clock.TimeOfDayMs(), 3000);
}

TEST(CompilerFailureText, SaysWhyNothingWasStarted) {
    const struct {
        ProgramEnd end;
        std::string text;
    } cases[] = {
        {{true, false, true, 3 << 8},
         " The compiler failed with status 3; Testgui.exe was not started"},
        {{true, false, true, SIGKILL},
         " The compiler was ended by signal 9; Testgui.exe was not started"},
        {{true, true, true, 0},
         " The compiler did not end within 60 s and was killed; Testgui.exe was not started"},
    };
    for (const auto& c : cases) EXPECT_EQ(CompilerFailureText(c.end), c.text);
}

}  // namespace
}  // namespace gridlet
