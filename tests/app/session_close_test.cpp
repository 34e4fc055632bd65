#include "app/session_close.h"

#include <csignal>

#include "output/design_file.h"
#include "output/kept_sections.h"
#include "output/recovery_file.h"
#include "support/console_fixture.h"
#include "support/temp_folder.h"

namespace gridlet {
namespace {

class SessionCloseTest : public ConsoleFixture {
  protected:
    void SetUp() override {
        console.Print("the pass in progress");
        pass.snapshot = ScreenBytes();
        console.Print(" and a dialog over it");
    }
    TempFolder here;
    TempFolder state;
};

TEST(RecoveryFolders, HereFirstThenTheStateFolder) {
    EXPECT_EQ(RecoveryFolders("/x/state", "/home/u"),
              (std::vector<std::string>{".", "/x/state/gridlet"}));
    EXPECT_EQ(RecoveryFolders(nullptr, "/home/u"),
              (std::vector<std::string>{".", "/home/u/.local/state/gridlet"}));
    EXPECT_EQ(RecoveryFolders("relative", "/home/u"),
              (std::vector<std::string>{".", "/home/u/.local/state/gridlet"}));
    EXPECT_EQ(RecoveryFolders(nullptr, nullptr), (std::vector<std::string>{"."}));
}

TEST_F(SessionCloseTest, ADesignIsKeptWithThePassScreenAndWhereIsSaidLast) {
    design.windowExists = 1;
    design.boxCode = "   GRAPHIC BOX (1, 2) - (3, 4),0,0,%WHITE,0        ' [[  1  ]] \r\n\r\n";
    const std::vector<std::string> lines = CloseSession(
        context, SessionEnd{0, 1, "the terminal is too small"}, {here / "", state / "g"});
    const std::string kept = here / kRecoveryFileName;
    EXPECT_EQ(lines, (std::vector<std::string>{"the terminal is too small",
                                               "the design was kept in " + kept}));
    EXPECT_EQ(here.Read(kRecoveryFileName),
              EncodeDesignFile(pass.snapshot, SectionsToKeep(design)));
    EXPECT_EQ(state.Names(), "");
}

// Another run's recovery file stays, and so does the file a link there names: the design goes
// under the next free name, and the line says which.
TEST_F(SessionCloseTest, ARecoveryTakesTheNextFreeNameAndNeverALink) {
    design.windowExists = 1;
    here.Write(kRecoveryFileName, "an earlier design");
    here.Write("victim", "private");
    std::filesystem::create_symlink(here / "victim", here / "Gridlet-recovered-2.GDL");
    const std::vector<std::string> lines =
        CloseSession(context, SessionEnd{SIGHUP, 129, {}}, {here / ""});
    EXPECT_EQ(lines, (std::vector<std::string>{"the design was kept in " +
                                               here / "Gridlet-recovered-3.GDL"}));
    EXPECT_EQ(here.Read(kRecoveryFileName), "an earlier design");
    EXPECT_EQ(here.Read("victim"), "private");
    EXPECT_TRUE(here.Read("Gridlet-recovered-3.GDL") ==
                EncodeDesignFile(pass.snapshot, SectionsToKeep(design)));
    EXPECT_EQ(here.Names(),
              "Gridlet-recovered-2.GDL Gridlet-recovered-3.GDL Gridlet-recovered.GDL victim ");
}

TEST_F(SessionCloseTest, AFolderThatTakesNoFileLeavesTheDesignToTheNext) {
    design.windowExists = 1;
    here.Write("file", "");
    const std::vector<std::string> lines =
        CloseSession(context, SessionEnd{SIGHUP, 129, {}}, {here / "file", state / "g/h"});
    const std::string kept = state / "g/h/" + std::string(kRecoveryFileName);
    EXPECT_EQ(lines, (std::vector<std::string>{"the design was kept in " + kept}));
    EXPECT_EQ(DecodeDesignFile(state.Read(std::string("g/h/") + kRecoveryFileName)).sections.At(38),
              " 1");
}

TEST_F(SessionCloseTest, NoFolderTakingItIsSaid) {
    design.windowExists = 1;
    here.Write("file", "");
    const std::vector<std::string> lines =
        CloseSession(context, SessionEnd{SIGTERM, 143, {}}, {here / "file"});
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind("the design could not be kept: ", 0), 0u) << lines[0];
}

TEST_F(SessionCloseTest, AnEmptyDesignLeavesNoFile) {
    const std::vector<std::string> lines =
        CloseSession(context, SessionEnd{SIGTERM, 143, {}}, {here / ""});
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(here.Names(), "");
}

}  // namespace
}  // namespace gridlet
