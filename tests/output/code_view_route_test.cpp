#include "output/code_view_route.h"

#include <gtest/gtest.h>

#include "output/compose_program.h"
#include "output/route_fixture.h"
#include "platform/basic_error.h"

namespace gridlet {
namespace {

class CodeViewRouteTest : public RouteFixture {
  protected:
    void CodeView() { ComposeProgram(context, {OutputRoute::CodeView, CodeForm::GraphicWindow}); }
};

// VISUAL names the editor with an option of its own; it gets the source path as one argument,
// blanks and all, finds the complete program there, and has the terminal while it runs.
TEST_F(CodeViewRouteTest, TheUsersEditorOpensTheProgramInTheTerminal) {
    const std::string log = InFolder("editor.log");
    StandIn("fake-editor", "{ pwd; printf '[%s]\\n' \"$@\"; } > '" + log + "'\ncp \"$2\" '" +
                               InFolder("seen.bas") + "'\n");
    StandIn("nano", "touch '" + InFolder("nano ran") + "'\n");
    environment.visual = "fake-editor  --wait";
    environment.editor = "nano";

    CodeView();

    EXPECT_EQ(Read(log), folder.string() + "\n[--wait]\n[" + InFolder("Testgui.bas") + "]\n");
    EXPECT_EQ(Read(folder / "seen.bas"), kWindowOnlyRoutine + kPlainMain);
    EXPECT_FALSE(std::filesystem::exists(folder / "nano ran"));
    EXPECT_EQ(backend.suspends, 1);
    EXPECT_EQ(backend.resumes, 1);
    EXPECT_EQ(clock.TimeOfDayMs(), 600);
    EXPECT_EQ(clipboard.text, "") << "the code view leaves the clipboard alone";
    EXPECT_EQ(Read(folder / "Testgui.bas"), kWindowOnlyRoutine + kPlainMain);
}

TEST_F(CodeViewRouteTest, WithoutAnEditorRow46SaysWhatIsLookedFor) {
    environment.visual = "no-such-editor";
    CodeView();
    EXPECT_EQ(RowText(46), kNoEditorText);
    EXPECT_EQ(AttrAt(46, 1), 0x07);
    EXPECT_EQ(clock.TimeOfDayMs(), 600 + 3000);
    EXPECT_EQ(backend.suspends, 0);
    EXPECT_EQ(Read(folder / "Testgui.bas"), kWindowOnlyRoutine + kPlainMain);
}

// Another user's link, planted at the name while the route runs, is replaced and never written
// through.
TEST_F(CodeViewRouteTest, ALinkPlantedAtTheNameIsReplacedNotFollowed) {
    const std::filesystem::path victim = folder / "victim";
    std::ofstream(victim) << "private";
    backend.onPresent = [&](const ScreenState&) {
        std::error_code taken;
        std::filesystem::create_symlink(victim, folder / "Testgui.bas", taken);
    };
    environment.visual = "no-such-editor";
    CodeView();
    EXPECT_EQ(Read(victim), "private");
    EXPECT_FALSE(std::filesystem::is_symlink(folder / "Testgui.bas"));
    EXPECT_EQ(Read(folder / "Testgui.bas"), kWindowOnlyRoutine + kPlainMain);
}

// Error 70 cuts the route short; the request and the text still go, so the next composition is
// not taken for a code view.
TEST_F(CodeViewRouteTest, AFileThatCannotBeWrittenEndsTheRequestToo) {
    std::filesystem::create_directories(folder / "Testgui.bas" / "inside");
    try {
        CodeView();
        ADD_FAILURE() << "no error";
    } catch (const BasicError& error) {
        EXPECT_EQ(error.number(), kErrorPermissionDenied);
    }
}

}  // namespace
}  // namespace gridlet
