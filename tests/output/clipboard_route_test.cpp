#include "output/clipboard_route.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "all_images.h"
#include "design/window_command.h"
#include "doubles/memory_backend.h"
#include "doubles/memory_clipboard.h"
#include "doubles/virtual_clock.h"
#include "output/compose_program.h"
#include "support/place_object.h"

namespace gridlet {
namespace {

// Keeps every screen the console shows, so a panel that is gone again can still be checked.
class RecordingBackend : public MemoryBackend {
  public:
    void Present(const ScreenState& screen) override {
        MemoryBackend::Present(screen);
        frames.push_back(screen.cells);
    }
    std::vector<std::vector<Cell>> frames;
};

class ClipboardRouteTest : public ::testing::Test {
  protected:
    ClipboardRouteTest() {
        CreateWindow(design, {5, 20, 30, 49}, Properties{});
        design.objectNumber = 1;
        design.boxCode = PlacedBlock(ObjectKind::Box, 1, 26, 4, 83, 50);
        screen.PrintAt(10, 30, 14, 8, "design on screen");
    }

    std::string Build(int button) {
        lastSections = ComposeProgram(
            context,
            {OutputRoute::Build, button == 2 ? CodeForm::Printer : CodeForm::GraphicWindow});
        return clipboard.text;
    }
    SectionTable lastSections;

    // The panel's cells as the screen showed them.
    static std::string PanelShown(const std::vector<Cell>& cells) {
        std::string shown;
        for (int row = kCompletionPanel.topRow; row <= kCompletionPanel.bottomRow; ++row) {
            for (int col = kCompletionPanel.leftCol; col <= kCompletionPanel.rightCol; ++col) {
                const Cell& cell =
                    cells[static_cast<std::size_t>((row - 1) * kScreenWidth + col - 1)];
                shown += static_cast<char>(cell.ch);
                shown += static_cast<char>(cell.attr);
            }
        }
        return shown;
    }

    RecordingBackend backend;
    VirtualClock clock;
    Console console{backend, clock};
    Screen screen{console};
    MemoryClipboard clipboard;
    Design design;
    PassState pass;
    ProgramEnvironment environment;
    Context context{console, screen, design, pass, clipboard, environment, ComposeProgram};
};

TEST_F(ClipboardRouteTest, BuildPutsTheRoutineOnTheClipboardAndShowsThePanel) {
    std::string before;
    screen.SaveScreen(before);

    const std::string text = Build(1);

    EXPECT_EQ(text, ClipboardText(lastSections, CodeForm::GraphicWindow));
    const std::string end = ",0,0,%WHITE,0        ' [[  1  ]] \r\n\r\n END SUB\r\n";
    EXPECT_EQ(text.substr(text.size() - end.size()), end);
    EXPECT_EQ(backend.beeps, 2);
    EXPECT_EQ(clock.TimeOfDayMs(), 1400);
    ASSERT_FALSE(backend.frames.empty());
    EXPECT_EQ(PanelShown(backend.frames.back()), kCompletionPanel.bytes);
    std::string after;
    screen.SaveScreen(after);
    EXPECT_EQ(after, before);
}

TEST_F(ClipboardRouteTest, TwoBuildsGiveTheSameText) {
    const std::string first = Build(1);
    EXPECT_EQ(Build(1), first);
}

TEST_F(ClipboardRouteTest, PrinterCodeIsClosedOnceAndLeavesNoTrace) {
    const std::string printer = Build(2);
    const std::string tail = "   XPRINT FORMFEED\r\n   XPRINT CLOSE\r\n END SUB\r\n\r\n";
    EXPECT_EQ(printer.substr(printer.size() - tail.size()), tail);
    EXPECT_EQ(printer.find("END SUB"), printer.size() - tail.size() + 38);

    const std::string graphic = Build(1);
    EXPECT_EQ(graphic.find("XPRINT"), std::string::npos);
    EXPECT_NE(graphic.find("   GRAPHIC WINDOW "), std::string::npos);
    EXPECT_TRUE(lastSections.At(38).empty());
}

// Without a clipboard the code goes into a file of the current folder, and the next area phase
// says where; the panel still shows, as after any Build.
class UnreachableClipboardTest : public ClipboardRouteTest {
  protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        std::filesystem::current_path(folder_);
        clipboard.reachable = false;
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(folder_);
    }
    static std::string FileText() {
        std::ifstream file(kClipboardFile, std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }

  private:
    std::filesystem::path previous_;
    std::filesystem::path folder_ = std::filesystem::temp_directory_path() /
                                    ("gridlet-unreachable-clipboard-" + std::to_string(getpid()));
};

TEST_F(UnreachableClipboardTest, TheCodeGoesIntoAFileThatTheHintRowNames) {
    const std::string text = Build(1);
    EXPECT_EQ(FileText(), text);
    EXPECT_EQ(FileText().substr(0, 23), "\r\n SUB GraficWin ()\r\n\r\n");
    EXPECT_EQ(pass.hintRowNotice,
              " No clipboard confirmed the code: it is also in Gridlet-clipboard.bas in this "
              "folder.");
    EXPECT_EQ(backend.beeps, 2);
    EXPECT_EQ(PanelShown(backend.frames.back()), kCompletionPanel.bytes);

    // The next Build replaces the file.
    Build(2);
    EXPECT_NE(FileText().find("XPRINT"), std::string::npos);
    EXPECT_EQ(FileText().find("GRAPHIC WINDOW"), std::string::npos);
}

TEST_F(UnreachableClipboardTest, AFileThatCannotBeWrittenIsNamedWithTheReason) {
    std::filesystem::create_directories(std::string(kClipboardFile) + "/inside");
    Build(1);
    EXPECT_EQ(pass.hintRowNotice,
              " No clipboard confirmed the code, and Gridlet-clipboard.bas could not be written: "
              "Is a directory");
}

// Another user's link at the name, in a shared folder, is replaced and never written through.
TEST_F(UnreachableClipboardTest, ALinkAtTheNameIsReplacedNotFollowed) {
    const std::filesystem::path victim = std::filesystem::current_path() / "victim";
    std::ofstream(victim) << "private";
    std::filesystem::create_symlink(victim, kClipboardFile);
    const std::string text = Build(1);
    EXPECT_EQ(FileText(), text);
    EXPECT_FALSE(std::filesystem::is_symlink(kClipboardFile));
    std::ifstream kept(victim);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "private");
}

TEST_F(ClipboardRouteTest, AReachedClipboardLeavesNoFileAndNoNotice) {
    const std::filesystem::path file = std::filesystem::current_path() / kClipboardFile;
    ASSERT_FALSE(std::filesystem::exists(file));
    Build(1);
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(pass.hintRowNotice, "");
}

// Attribute runs: k black, d light magenta, w white, all on magenta; "k3 d40" is three k, forty d.
std::string Attributes(const std::string& runs) {
    std::string attributes;
    std::istringstream in(runs);
    for (std::string run; in >> run;) {
        const char attribute = run[0] == 'k' ? '\x50' : run[0] == 'd' ? '\x5D' : '\x5F';
        attributes.append(std::stoul(run.substr(1)), attribute);
    }
    return attributes;
}

// The ninth row's text is the program's own choice; its frame is not.
TEST(CompletionPanel, FramesTextsAndColours) {
    const std::string shade = "\xB2\xB1\xB0";
    const std::string shadeBack = "\xB0\xB1\xB2";
    const auto inner = [&](const std::string& text) {
        return shade + "\xB3 \xB3" + text + "\xB3 \xB3" + shadeBack;
    };
    const std::string blank(35, ' ');
    const std::string textRow = "k3 d1 w1 k1 w35 d1 w1 k4";
    const struct {
        std::string chars;  // empty: only the frame is fixed
        std::string attributes;
    } rows[] = {
        {shade + "\xDA" + std::string(39, '\xC4') + "\xBF" + shadeBack, "k3 d40 k4"},
        {shade + "\xB3 \xDA" + std::string(35, '\xC4') + "\xBF \xB3" + shadeBack,
         "k3 d1 w1 k36 d1 w1 k4"},
        {inner(blank), textRow},
        {inner("      This Task is completed.      "), textRow},
        {inner(blank), textRow},
        {inner("  Plotworks has put your Code in   "), textRow},
        {inner("      the Windows ClipBoard.       "), textRow},
        {inner(blank), textRow},
        {"", textRow},
        {inner(blank), textRow},
        {shade + "\xB3 \xC0" + std::string(35, '\xC4') + "\xD9 \xB3" + shadeBack,
         "k3 d1 w1 k1 d36 w1 k4"},
        {shade + "\xC0" + std::string(39, '\xC4') + "\xD9" + shadeBack, "k3 d1 k43"},
    };
    ASSERT_EQ(kCompletionPanel.bytes.size(), 2u * 12 * 47);
    for (std::size_t row = 0; row < 12; ++row) {
        std::string chars, attributes;
        for (std::size_t i = 2 * row * 47; i < 2 * (row + 1) * 47; i += 2) {
            chars += kCompletionPanel.bytes[i];
            attributes += kCompletionPanel.bytes[i + 1];
        }
        if (rows[row].chars.empty()) {
            EXPECT_EQ(chars.substr(0, 6) + chars.substr(41), inner("")) << "row " << row + 1;
        } else {
            EXPECT_EQ(chars, rows[row].chars) << "row " << row + 1;
        }
        EXPECT_EQ(attributes, Attributes(rows[row].attributes)) << "row " << row + 1;
    }
}

}  // namespace
}  // namespace gridlet
