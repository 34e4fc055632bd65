#include "output/save_design.h"

#include <cerrno>
#include <cstring>

#include "app/design_files_fixture.h"
#include "model/saved_state.h"
#include "output/design_file.h"
#include "output/kept_sections.h"
#include "support/refusing_folder.h"

namespace gridlet {
namespace {

using SaveDesignTest = DesignFilesFixture;

std::string ImageRowText(const std::string& image, int row) {
    std::string text;
    for (int col = 1; col <= kScreenWidth; ++col)
        text += image[static_cast<std::size_t>(((row - 1) * kScreenWidth + col - 1) * 4)];
    return text;
}

TEST(DesignExtension, IsAddedUnlessTheNameEndsInItInAnyCase) {
    for (const char* kept : {"a.gdl", "a.GdL", "dir/x.GDL", ".GDL"}) {
        EXPECT_EQ(WithDesignExtension(kept), kept);
    }
    EXPECT_EQ(WithDesignExtension("a"), "a.GDL");
    EXPECT_EQ(WithDesignExtension("a.txt"), "a.txt.GDL");
    EXPECT_EQ(WithDesignExtension("GDL"), "GDL.GDL");
    EXPECT_EQ(WithDesignExtension("a.GDL.bak"), "a.GDL.bak.GDL");
}

TEST_F(SaveDesignTest, YesWritesThePassScreenAndTheDesignThenTheProgramEnds) {
    MakeWindow();
    AskToSave();
    TypeLine("mine");
    Type("y");  // "Create the file?"
    EXPECT_TRUE(RunMainLoop());
    EXPECT_TRUE(EverShown("Save Window   (*.GDL)"));
    ASSERT_EQ(FilesHere(), "mine.GDL ");
    const std::string file = folder.Read("mine.GDL");
    const std::string image = ScreenBytes();
    EXPECT_EQ(file, EncodeDesignFile(image, SectionsToKeep(design)));
    EXPECT_EQ(ImageRowText(image, 14).find("E X I T"), std::string::npos);
    EXPECT_EQ(ImageRowText(image, 5)[22], '\xFE') << "the window's grid";
}

TEST_F(SaveDesignTest, NoEndsTheProgramWithoutWriting) {
    MakeWindow();
    backend.Script(KeyEvent(kEscKey));
    Click(18, 37);
    Type("n");
    EXPECT_TRUE(RunMainLoop());
    EXPECT_EQ(FilesHere(), "");
}

// Backing out of the chooser returns to the design instead of ending without it.
class SaveBackOutTest : public DesignFilesFixture, public ::testing::WithParamInterface<bool> {};

TEST_P(SaveBackOutTest, CancelInTheChooserGoesOnWithTheDesign) {
    MakeWindow();
    AskToSave();
    if (GetParam()) {
        backend.Script(KeyEvent(kEscKey));
    } else {
        Click(35, 72);  // Cancel
    }
    Click(5, 21);  // the next pass takes a corner
    EXPECT_FALSE(RunMainLoop());
    EXPECT_EQ(FilesHere(), "");
    EXPECT_EQ(design.windowExists, 1);
    EXPECT_EQ(pass.area.AreaTop, 5);
    EXPECT_EQ(RowText(14, 31, 51).find("E X I T"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(EscOrCancel, SaveBackOutTest, ::testing::Bool());

TEST_F(SaveDesignTest, ANameThatGetsTheExtensionAsksBeforeReplacingAnotherFile) {
    folder.Write("mine.GDL", "old");
    MakeWindow();
    AskToSave();
    TypeLine("mine");
    Type("y");                          // "Create the file?" for "mine"
    Type("n");                          // "mine.GDL already exists." - no: the chooser again
    backend.Script(KeyEvent(kEscKey));  // and Cancel there
    EXPECT_FALSE(RunMainLoop());
    EXPECT_TRUE(EverShown("mine.GDL already exists."));
    EXPECT_EQ(folder.Read("mine.GDL"), "old");

    AskToSave();
    TypeLine("mine");
    Type("yy");
    EXPECT_TRUE(RunMainLoop());
    EXPECT_EQ(folder.Read("mine.GDL"), EncodeDesignFile(ScreenBytes(), SectionsToKeep(design)));
}

TEST_F(SaveDesignTest, CharactersTheFileDoesNotKeepAreNamedAndTheUserChooses) {
    MakeWindow();
    design.textCode = "   GRAPHIC PRINT \"\xEEle ~\"\r\n\r\n";
    AskToSave();
    Type("n");  // not saved: back to the design
    EXPECT_FALSE(RunMainLoop());
    EXPECT_TRUE(EverShown("~  comes back as  ,"));
    EXPECT_TRUE(EverShown("\x8C  comes back as a line break"));
    EXPECT_FALSE(EverShown("`  comes back as"));
    EXPECT_FALSE(EverShown("Save Window   (*.GDL)"));
    EXPECT_EQ(FilesHere(), "");

    AskToSave();
    Type("y");  // saved all the same
    TypeLine("mine");
    Type("y");
    EXPECT_TRUE(RunMainLoop());
    EXPECT_EQ(FilesHere(), "mine.GDL ");
}

// A name too long for the system: the write fails, the program pauses, and the design goes on.
TEST_F(SaveDesignTest, AFileThatCannotBeWrittenGoesToTheErrorTrapAndTheDesignStays) {
    MakeWindow();
    AskToSave();
    TypeLine(std::string(253, 'n'));
    Type("y");
    Click(5, 21);
    EXPECT_FALSE(RunMainLoop());
    EXPECT_GE(clock.TimeOfDayMs(), 3000) << "the trap's pause; the flow alone takes under a second";
    EXPECT_EQ(FilesHere(), "");
    EXPECT_EQ(design.windowExists, 1);
    EXPECT_EQ(pass.area.AreaTop, 5) << "the loop goes on";
}

// The chooser's path is the system's bytes: a name or a folder out of ASCII is written as typed.
TEST_F(SaveDesignTest, NamesAndFoldersOutOfAsciiAreWrittenAsTyped) {
    std::filesystem::create_directory(folder.path / "Z\xC3\xBCrich");
    MakeWindow();
    AskToSave();
    TypeLine("caf\xE9");
    Type("y");
    EXPECT_TRUE(RunMainLoop());
    EXPECT_EQ(FilesHere(), "Z\xC3\xBCrich caf\xC3\xA9.GDL ");
    design.saved = {};  // as in a new run, so that the chooser asks

    AskToSave();
    TypeLine("caf\xE9");
    Type("y");  // "Create the file?" for the name without its extension
    Type("n");  // "cafe.GDL already exists."
    backend.Script(KeyEvent(kEscKey));
    EXPECT_FALSE(RunMainLoop());
    EXPECT_TRUE(EverShown("caf\x82.GDL already exists."));

    AskToSave();
    TypeLine("Z\xFCrich/mine");
    Type("y");
    EXPECT_TRUE(RunMainLoop());
    EXPECT_TRUE(folder.Read("Z\xC3\xBCrich/mine.GDL") ==
                EncodeDesignFile(ScreenBytes(), SectionsToKeep(design)));
}

constexpr char kCtrlS[] = "\x13";

std::string HintRow(const std::string& text) {
    return text + std::string(kScreenWidth - text.size(), ' ');
}

// Ctrl+S: the chooser the first time, then the design's own file without it; F12 asks for a new
// name, starting at the design's own. Row 46 of the next pass says what was saved; the title
// names the file, with " *" while it has changes not saved.
TEST_F(SaveDesignTest, CtrlSSavesAtAnyTimeAndF12UnderANewName) {
    MakeWindow();
    Type(kCtrlS);
    TypeLine("mine");
    Type("y");  // "Create the file?"
    EXPECT_FALSE(RunMainLoop());
    ASSERT_EQ(FilesHere(), "mine.GDL ");
    EXPECT_TRUE(folder.Read("mine.GDL") == EncodeDesignFile(pass.snapshot, SectionsToKeep(design)));
    EXPECT_EQ(RowText(46), HintRow(" Saved mine.GDL"));
    EXPECT_EQ(backend.titles.back(), "Gridlet - mine.GDL");

    Click(10, 25);
    Click(12, 30);
    Click(11, 5);  // Rectang
    const std::string before = folder.Read("mine.GDL");
    EXPECT_FALSE(RunMainLoop());
    EXPECT_EQ(backend.titles.back(), "Gridlet - mine.GDL *");
    shownText.clear();
    Type(kCtrlS);
    EXPECT_FALSE(RunMainLoop());
    EXPECT_FALSE(EverShown("Save Window   (*.GDL)"));
    EXPECT_NE(design.boxCode, "");
    EXPECT_TRUE(folder.Read("mine.GDL") != before);
    EXPECT_TRUE(folder.Read("mine.GDL") == EncodeDesignFile(pass.snapshot, SectionsToKeep(design)));
    EXPECT_EQ(backend.titles.back(), "Gridlet - mine.GDL");

    backend.Script(ExtendedKeyEvent(kScanF12));
    for (int i = 0; i < 8; ++i) backend.Script(KeyEvent(kBackspaceKey));  // "mine.GDL"
    TypeLine("other");
    Type("y");
    EXPECT_FALSE(RunMainLoop());
    EXPECT_TRUE(EverShown("Save Window   (*.GDL)"));
    EXPECT_EQ(FilesHere(), "mine.GDL other.GDL ");
    EXPECT_TRUE(folder.Read("other.GDL") ==
                EncodeDesignFile(pass.snapshot, SectionsToKeep(design)));
    EXPECT_EQ(RowText(46), HintRow(" Saved other.GDL"));
    EXPECT_EQ(backend.titles.back(), "Gridlet - other.GDL");
}

// On the way out a design saved with no change since goes to its file again without the chooser;
// one changed since gets the chooser, at its file's name.
TEST_F(SaveDesignTest, LeavingAfterASaveWritesItsFileAndAsksOnlyAfterAChange) {
    MakeWindow();
    Type(kCtrlS);
    TypeLine("mine");
    Type("y");
    EXPECT_FALSE(RunMainLoop());
    folder.Write("mine.GDL", "stale");
    shownText.clear();
    AskToSave();
    EXPECT_TRUE(RunMainLoop());
    EXPECT_TRUE(EverShown(" Save this Window?"));
    EXPECT_FALSE(EverShown("Save Window   (*.GDL)"));
    EXPECT_TRUE(folder.Read("mine.GDL") == EncodeDesignFile(pass.snapshot, SectionsToKeep(design)));

    Click(10, 25);
    Click(12, 30);
    Click(11, 5);  // Rectang
    AskToSave();
    backend.Script(KeyEvent(kEnterKey));  // the name the chooser starts with
    Type("y");                            // "mine.GDL already exists."
    EXPECT_TRUE(RunMainLoop());
    EXPECT_TRUE(EverShown("mine.GDL already exists."));
    EXPECT_TRUE(folder.Read("mine.GDL") == EncodeDesignFile(pass.snapshot, SectionsToKeep(design)));
}

// A Ctrl+S that fails says why on row 46 and leaves the design with its unsaved mark.
TEST_F(SaveDesignTest, ACtrlSThatFailsSaysWhyAndKeepsTheUnsavedMark) {
    std::filesystem::create_directories(folder.path / "mine.GDL" / "inside");
    design.saved.path = folder / "mine.GDL";
    MakeWindow();
    Type(kCtrlS);
    EXPECT_FALSE(RunMainLoop());
    EXPECT_EQ(RowText(46), HintRow(std::string(" Not saved: mine.GDL: ") + std::strerror(EISDIR)));
    EXPECT_TRUE(HasUnsavedChanges(design));
    EXPECT_EQ(backend.titles.back(), "Gridlet - mine.GDL *");
    EXPECT_EQ(design.windowExists, 1);
}

enum class Refusal { ReadOnly, Full, NameIsAFolder };

void PrintTo(Refusal refusal, std::ostream* out) {
    const char* names[] = {"read-only folder", "full disk", "name that is a folder"};
    *out << names[static_cast<int>(refusal)];
}

class RefusedSaveTest : public DesignFilesFixture, public ::testing::WithParamInterface<Refusal> {};

// Row 46 says what was not saved and why, for the program's pause, and the design goes on.
TEST_P(RefusedSaveTest, TheNoticeNamesTheFileAndTheReasonAndTheDesignStays) {
    const Refusal refusal = GetParam();
    const std::filesystem::path place = folder.path / "place";
    std::optional<RefusingFolder> refusing;
    int error = EISDIR;
    if (refusal == Refusal::NameIsAFolder) {
        std::filesystem::create_directories(place / "mine.GDL" / "inside");
    } else {
        refusing.emplace(place, refusal == Refusal::ReadOnly ? RefusingFolder::Kind::ReadOnly
                                                             : RefusingFolder::Kind::Full);
        if (!refusing->unavailable.empty()) GTEST_SKIP() << refusing->unavailable;
        error = refusing->error;
    }
    MakeWindow();
    AskToSave();
    TypeLine("place/mine");
    Type(refusal == Refusal::NameIsAFolder ? "yy" : "y");  // and "mine.GDL already exists."
    Click(5, 21);
    EXPECT_FALSE(RunMainLoop());
    const std::string notice = std::string(" Not saved: mine.GDL: ") + std::strerror(error);
    EXPECT_TRUE(EverShown(notice + std::string(kScreenWidth - notice.size(), ' '))) << notice;
    EXPECT_GE(clock.TimeOfDayMs(), 3000) << "the notice stays for the pause";
    EXPECT_EQ(design.windowExists, 1);
    EXPECT_EQ(pass.area.AreaTop, 5) << "the loop goes on";
    std::string left;
    for (const auto& entry : std::filesystem::directory_iterator(place))
        left += entry.path().filename().string() + " ";
    EXPECT_EQ(left, refusal == Refusal::NameIsAFolder ? "mine.GDL " : "") << "no temporary file";
}

INSTANTIATE_TEST_SUITE_P(Refusals, RefusedSaveTest,
                         ::testing::Values(Refusal::ReadOnly, Refusal::Full,
                                           Refusal::NameIsAFolder));

}  // namespace
}  // namespace gridlet
