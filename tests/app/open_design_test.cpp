#include "output/open_design.h"

#include <chrono>

#include "app/design_files_fixture.h"
#include "design/window_command.h"
#include "model/saved_state.h"
#include "output/kept_sections.h"
#include "support/place_object.h"

namespace gridlet {
namespace {

class OpenDesignTest : public DesignFilesFixture {
  protected:
    // A design with a window and a box, and a screen image of every character and attribute,
    // bytes 13 and 26 among them.
    void SetUp() override {
        DesignFilesFixture::SetUp();
        mainScreen = ScreenBytes();
        CreateWindow(stored, {5, 20, 30, 49}, Properties{});
        stored.boxCode = PlacedBlock(ObjectKind::Box, 4, 10, 20, 30, 40);
        stored.objectNumber = 4;
        image.assign(kScreenImageSize, '\0');
        for (std::size_t cell = 0; cell < kScreenImageSize / 4; ++cell) {
            image[4 * cell] = static_cast<char>(cell % 256);
            image[4 * cell + 2] = static_cast<char>(cell % 253);
        }
        folder.Write("old.GDL", EncodeDesignFile(image, SectionsToKeep(stored)));
    }
    // Past the opening screen, the answer to "Open a previous Window?" and a name in the chooser.
    void AnswerAndChoose(const char* answer, const std::string& name) {
        Type(" ");
        Type(answer);
        TypeLine(name);
    }

    Design stored;
    std::string image;
    std::string mainScreen;
};

TEST_F(OpenDesignTest, YesAndAFileShowTheStoredScreenAndRestoreTheDesign) {
    AnswerAndChoose("y", "old.GDL");
    RunStartUp();
    EXPECT_TRUE(EverShown("Open Window   (*.GDL)"));
    EXPECT_TRUE(ScreenBytes() == image);
    EXPECT_EQ(design.windowExists, 1);
    EXPECT_EQ(design.windowTopRow, 5);
    EXPECT_EQ(design.windowRightCol, 49);
    EXPECT_EQ(design.windowWidth, stored.windowWidth);
    EXPECT_EQ(design.objectNumber, 4);
    EXPECT_EQ(design.boxCode, stored.boxCode);
    EXPECT_EQ(design.windowCode, stored.windowCode);
}

TEST_F(OpenDesignTest, CancelOrNoStartWithTheEmptyDesign) {
    for (const char* answer : {"n", "y\x1b"}) {
        SCOPED_TRACE(answer);
        Type(" ");
        Type(answer);
        RunStartUp();
        EXPECT_TRUE(ScreenBytes() == mainScreen);
        EXPECT_EQ(design.windowExists, 0);
        EXPECT_EQ(design.windowCode, "");
    }
}

// The file read is checked whole before anything is restored; the error trap pauses and the
// program starts with the empty design.
TEST_F(OpenDesignTest, AFileTooShortRestoresNothingThroughTheErrorTrap) {
    const std::string whole = folder.Read("old.GDL");
    std::size_t lineEnd = kScreenImageSize;
    for (int line = 1; line <= 46; ++line) lineEnd = whole.find("\r\n", lineEnd + 2);
    const std::string shortFiles[] = {whole.substr(0, 1000), whole.substr(0, lineEnd + 2)};
    for (const std::string& bytes : shortFiles) {
        folder.Write("short.GDL", bytes);
        const std::int64_t before = clock.TimeOfDayMs();
        AnswerAndChoose("y", "short.GDL");
        RunStartUp();
        EXPECT_GE(clock.TimeOfDayMs() - before, 3000);
        EXPECT_TRUE(ScreenBytes() == mainScreen);
        EXPECT_EQ(design.windowExists, 0);
        EXPECT_EQ(design.windowCode, "");
        EXPECT_EQ(design.objectNumber, 0);
    }
}

TEST_F(OpenDesignTest, NumbersThatAreNoNumbersReadAsZero) {
    std::string bytes = folder.Read("old.GDL");
    const std::size_t objectLine = bytes.find(" 4\r\n", kScreenImageSize);  // section 43
    ASSERT_NE(objectLine, std::string::npos);
    bytes.replace(objectLine, 2, "four");
    folder.Write("bad.GDL", bytes);
    const std::int64_t before = clock.TimeOfDayMs();
    AnswerAndChoose("y", "bad.GDL");
    RunStartUp();
    EXPECT_LT(clock.TimeOfDayMs() - before, 3000) << "no error";
    EXPECT_EQ(design.objectNumber, 0);
    EXPECT_EQ(design.windowExists, 1);
    EXPECT_TRUE(ScreenBytes() == image);
}

TEST_F(OpenDesignTest, ANameOutOfAsciiOpens) {
    std::filesystem::rename(folder.path / "old.GDL", folder.path / "caf\xC3\xA9.GDL");
    AnswerAndChoose("y", "caf\xE9.GDL");
    RunStartUp();
    EXPECT_TRUE(ScreenBytes() == image);
    EXPECT_EQ(design.boxCode, stored.boxCode);
}

TEST_F(OpenDesignTest, ADesignGivenAtStartIsOpenedWithoutAsking) {
    Type(" ");
    const std::string path = folder / "old.GDL";
    RunStartUp(GivenDesign{path, ReadDesignFile(path)});
    EXPECT_FALSE(EverShown("Open a previous Window?"));
    EXPECT_TRUE(ScreenBytes() == image);
    EXPECT_EQ(design.boxCode, stored.boxCode);
}

// A name given that is not there yet starts an empty design that Ctrl+S saves under it, without
// the chooser.
TEST_F(OpenDesignTest, AMissingFileGivenIsANewDesignForThatName) {
    Type(" ");
    RunStartUp(GivenDesign{folder / "new.GDL", std::nullopt});
    EXPECT_FALSE(EverShown("Open a previous Window?"));
    EXPECT_TRUE(ScreenBytes() == mainScreen);
    EXPECT_FALSE(RunMainLoop());
    EXPECT_EQ(RowText(46).substr(0, 62),
              " new.GDL does not exist yet: a new design, which Ctrl+S saves ");
    MakeWindow();
    Type("\x13");
    EXPECT_FALSE(RunMainLoop());
    EXPECT_FALSE(EverShown("Save Window   (*.GDL)"));
    EXPECT_TRUE(folder.Read("new.GDL") == EncodeDesignFile(pass.snapshot, SectionsToKeep(design)));
}

class RecoveryOfferTest : public OpenDesignTest {
  protected:
    void SetUp() override {
        OpenDesignTest::SetUp();
        const std::string bytes = folder.Read("old.GDL");
        folder.Write("Gridlet-recovered.GDL", "not a design");
        folder.Write("Gridlet-recovered-2.GDL", bytes);
        folder.Write("Gridlet-recovered-x.GDL", "not one of them");
        const auto now = std::filesystem::file_time_type::clock::now();
        std::filesystem::last_write_time(folder / "Gridlet-recovered.GDL",
                                         now - std::chrono::hours(1));
        std::filesystem::last_write_time(folder / "Gridlet-recovered-x.GDL", now);
    }
};

// The newest recovery file is named and opened on Yes; it stays until the design is saved in a
// file of the user's.
TEST_F(RecoveryOfferTest, YesOpensTheNewestUntilTheDesignIsSavedElsewhere) {
    Type(" y");
    RunStartUp();
    EXPECT_TRUE(EverShown("A design was kept when Gridlet was last stopped. Open it?"));
    EXPECT_TRUE(EverShown("Gridlet-recovered-2.GDL"));
    EXPECT_FALSE(EverShown("Open a previous Window?"));
    EXPECT_TRUE(ScreenBytes() == image);
    EXPECT_EQ(design.boxCode, stored.boxCode);
    EXPECT_TRUE(HasUnsavedChanges(design)) << "in no file of the user's";

    Type("\x13");
    TypeLine("mine");
    Type("y");
    EXPECT_FALSE(RunMainLoop());
    EXPECT_EQ(FilesHere(), "Gridlet-recovered-x.GDL Gridlet-recovered.GDL mine.GDL old.GDL ");
}

TEST_F(RecoveryOfferTest, NoGoesOnToTheOpenQuestion) {
    Type(" nn");
    RunStartUp();
    EXPECT_TRUE(EverShown("Gridlet-recovered-2.GDL"));
    EXPECT_TRUE(EverShown("Open a previous Window?"));
    EXPECT_TRUE(ScreenBytes() == mainScreen);
    EXPECT_EQ(design.windowExists, 0);
}

}  // namespace
}  // namespace gridlet
