#include "app/startup.h"

#include <unistd.h>

#include "all_images.h"
#include "app/design_files_fixture.h"
#include "support/console_fixture.h"
#include "support/run_main_loop.h"

namespace gridlet {
namespace {

class StartUpTest : public ConsoleFixture {
  protected:
    // Runs start-up until the script runs out; the screens shown on the way are kept.
    void RunStartUp() {
        backend.onPresent = [this](const ScreenState& shown) {
            std::string text;
            for (const Cell& cell : shown.cells) text += static_cast<char>(cell.ch);
            screens.push_back({text, clock.TimeOfDayMs()});
        };
        gridlet::RunStartUp(context);
    }
    bool Shown(const std::string& text) const {
        for (const auto& s : screens) {
            if (s.text.find(text) != std::string::npos) return true;
        }
        return false;
    }
    std::string ScreenText() const {
        std::string text;
        for (int row = 1; row <= kScreenHeight; ++row) text += RowText(row);
        return text;
    }

    // The title panel's characters stand in their rectangle of this screen text.
    static bool ShowsTitlePanel(const std::string& text) {
        const ImageInfo& image = kTitlePanel;
        std::size_t i = 0;
        for (int row = image.topRow; row <= image.bottomRow; ++row) {
            for (int col = image.leftCol; col <= image.rightCol; ++col, i += 2) {
                if (text[static_cast<std::size_t>((row - 1) * kScreenWidth + col - 1)] !=
                    image.bytes[i])
                    return false;
            }
        }
        return true;
    }

    struct Shot {
        std::string text;
        std::int64_t time;
    };
    std::vector<Shot> screens;
};

TEST_F(StartUpTest, AMoveLeavesTheOpeningScreenAClickOrAKeyDismissesIt) {
    for (const InputEvent& dismiss :
         {PressEvent(10, 40), PressEvent(10, 40, kRightButton), KeyEvent('q')}) {
        screens.clear();
        backend.Script(MoveEvent(10, 40));
        backend.Script(dismiss);
        RunStartUp();
        EXPECT_TRUE(Shown("God Bless Everybody"));
        // The question came up over the main screen; the opening screen is gone.
        EXPECT_TRUE(Shown("Open a previous Window?"));
        EXPECT_TRUE(Shown("Do You want to"));
        EXPECT_EQ(ScreenText().find("God Bless Everybody"), std::string::npos);
        EXPECT_EQ(RowText(2, 1, 9), "\xB3 Text  \xB3");
        EXPECT_EQ(RowText(44, 82, 90), "\xB3 Exit  \xB3");
    }
}

TEST_F(StartUpTest, OnlyAMoveKeepsTheOpeningScreen) {
    backend.Script(MoveEvent(10, 40));
    RunStartUp();
    EXPECT_NE(ScreenText().find("God Bless Everybody"), std::string::npos);
    EXPECT_FALSE(Shown("Open a previous Window?"));
}

TEST_F(StartUpTest, TitlePanelShowsForThreeHundredMillisecondsThenTheMainScreen) {
    backend.Script(KeyEvent(' '));
    RunStartUp();
    std::int64_t titleShown = -1, mainShown = -1;
    for (const auto& s : screens) {
        if (titleShown < 0 && ShowsTitlePanel(s.text)) titleShown = s.time;
        if (mainShown < 0 && s.text.find("Rectang") != std::string::npos) mainShown = s.time;
    }
    ASSERT_GE(titleShown, 0);
    ASSERT_GE(mainShown, 0);
    EXPECT_EQ(mainShown - titleShown, 300);
}

TEST_F(StartUpTest, TitleKeepsItsBlanksAndTheCursorIsHidden) {
    backend.Script(KeyEvent(' '));
    RunStartUp();
    ASSERT_FALSE(backend.titles.empty());
    EXPECT_EQ(backend.titles.front(), "   Gridlet Beta 05 for PBwin9   ");
    EXPECT_FALSE(console.CursorVisible());
}

using StartUpInAFolderTest = DesignFilesFixture;

// A save killed before its rename leaves its temporary file behind; the next start in the folder
// removes it once its process is gone, and leaves a running one's and every other name alone.
TEST_F(StartUpInAFolderTest, TemporaryFilesOfEndedProcessesGo) {
    const std::string ended = ".gridlet-4194304-0.tmp";  // above the largest process id there is
    const std::vector<std::string> kept = {".gridlet-" + std::to_string(getpid()) + "-1.tmp",
                                           ".gridlet-x-0.tmp", ".gridlet-4194304-0.tmp.GDL"};
    folder.Write(ended, "half a design");
    for (const std::string& name : kept) folder.Write(name, "half a design");
    std::filesystem::create_directory(folder.path / ".gridlet-4194304-1.tmp");
    Type(" n");
    RunStartUp();
    EXPECT_FALSE(std::filesystem::exists(folder / ended));
    for (const std::string& name : kept)
        EXPECT_TRUE(std::filesystem::exists(folder / name)) << name;
    EXPECT_TRUE(std::filesystem::is_directory(folder / ".gridlet-4194304-1.tmp"));
}

}  // namespace
}  // namespace gridlet
