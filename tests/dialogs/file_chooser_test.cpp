#include "dialogs/file_chooser.h"

#include <filesystem>
#include <fstream>

#include "dialogs/menu_fixture.h"
#include "platform/cp1252.h"

namespace gridlet {
namespace {
namespace fs = std::filesystem;

// Places in the chooser.
constexpr int kFirstEntryRow = 10, kEntryCol = 14;
constexpr int kOkRow = 32, kCancelRow = 35, kButtonCol = 72;
const std::string kTitle = "  Gridlet Beta 05 for PBwin9 ";

TEST(MatchesFilter, MatchesPatternsWithoutRegardToCase) {
    const struct {
        const char* name;
        const char* pattern;
        bool matches;
    } cases[] = {
        {"plan.gdl", "*.GDL", true}, {"Plan.GdL", "*.GDL", true}, {"plan.gdl.bak", "*.GDL", false},
        {"gdl", "*.GDL", false},     {"x.gdlx", "*.GDL", false},  {"pic.BMP", "*.BMP", true},
        {"pic.bmp", "*.GDL", false}, {"a.b.gdl", "*.GDL", true},  {"ab.c", "a?.C", true},
        {"abc.c", "a?.C", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchesFilter(c.name, c.pattern), c.matches) << c.name << ' ' << c.pattern;
}

// A temporary current directory holding a few designs, a bitmap, other files and a sub-folder.
class FileChooserTest : public MenuFixture {
  protected:
    void SetUp() override {
        previous_ = fs::current_path();
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        folder_ = fs::temp_directory_path() / ("gridlet-chooser-" + test);
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "sub");
        for (const char* name :
             {"one.gdl", "Two.GDL", "pic.bmp", "notes.txt", ".hidden.gdl", "sub/inner.gdl"}) {
            std::ofstream(folder_ / name) << "x";
        }
        fs::current_path(folder_);
        folder_ = fs::current_path();
    }
    void TearDown() override {
        fs::current_path(previous_);
        fs::remove_all(folder_);
    }
    std::string Entry(int n) const {
        std::string text;
        for (int col = 13; col <= 30; ++col)
            text += static_cast<char>(ShownCell(kFirstEntryRow + n, col).ch);
        return text.substr(0, text.find_last_not_of(' ') + 1);
    }
    std::vector<std::string> Entries() const {
        std::vector<std::string> entries;
        for (int n = 0; n < 20 && !Entry(n).empty(); ++n) entries.push_back(Entry(n));
        return entries;
    }
    std::string InFolder(const std::string& name) const { return (folder_ / name).string(); }

    fs::path previous_;
    fs::path folder_;
};

TEST_F(FileChooserTest, EachModeListsFoldersAndTheFilesOfItsFilter) {
    const struct {
        FileMode mode;
        std::vector<std::string> entries;
        const char* type;
    } cases[] = {
        {FileMode::OpenDesign, {"../", "sub/", "one.gdl", "Two.GDL"}, "Open Window   (*.GDL)"},
        {FileMode::SaveDesign, {"../", "sub/", "one.gdl", "Two.GDL"}, "Save Window   (*.GDL)"},
        {FileMode::OpenBitmap, {"../", "sub/", "pic.bmp"}, "BitMap Files  (*.BMP)"},
    };
    for (const auto& c : cases) {
        EXPECT_THROW(ChooseFile(context, c.mode), ScriptExhausted);
        EXPECT_EQ(Entries(), c.entries);
        EXPECT_TRUE(ShownAnywhere(c.type));
    }
}

TEST_F(FileChooserTest, AClickedFileIsChosenWithItsFullPath) {
    Click(kFirstEntryRow + 3, kEntryCol);
    Click(kOkRow, kButtonCol);
    const FileChoice choice = ChooseFile(context, FileMode::OpenDesign);
    EXPECT_EQ(choice.path, InFolder("Two.GDL"));
    EXPECT_EQ(choice.result, 1);
    EXPECT_EQ(pass.memory.lastChosenPath, choice.path);
}

TEST_F(FileChooserTest, FoldersAreEnteredByMouseAndByKeyboard) {
    Click(kFirstEntryRow + 1, kEntryCol);  // sub/
    Click(kFirstEntryRow + 1, kEntryCol);  // inner.gdl, after ../
    Click(kOkRow, kButtonCol);
    EXPECT_EQ(ChooseFile(context, FileMode::OpenDesign).path, InFolder("sub/inner.gdl"));

    for (int i = 0; i < 2; ++i) backend.Script(ExtendedKeyEvent(kScanDown));  // ../, sub/
    backend.Script(KeyEvent('\r'));
    for (int i = 0; i < 2; ++i) backend.Script(ExtendedKeyEvent(kScanDown));  // ../, inner.gdl
    backend.Script(KeyEvent('\r'));
    EXPECT_EQ(ChooseFile(context, FileMode::OpenDesign).path, InFolder("sub/inner.gdl"));
}

TEST_F(FileChooserTest, OpeningAMissingFileSaysSoAndWaitsForAnother) {
    TypeLine("missing.gdl");
    EXPECT_THROW(ChooseFile(context, FileMode::OpenDesign), ScriptExhausted);
    EXPECT_TRUE(ShownAnywhere("File not found."));

    TypeLine("missing.gdl");
    backend.Script(KeyEvent('\r'));  // the message's OK
    for (int i = 0; i < 11; ++i) backend.Script(KeyEvent(8));
    TypeLine("one.gdl");
    const FileChoice choice = ChooseFile(context, FileMode::OpenDesign);
    EXPECT_EQ(choice.path, InFolder("one.gdl"));
    EXPECT_EQ(backend.Pending(), 0u);
}

TEST_F(FileChooserTest, OpeningInAMissingFolderSaysThePathDoesNotExist) {
    TypeLine("nowhere/one.gdl");
    EXPECT_THROW(ChooseFile(context, FileMode::OpenBitmap), ScriptExhausted);
    EXPECT_TRUE(ShownAnywhere("Path does not exist."));
}

TEST_F(FileChooserTest, SavingOverAFileAsksFirst) {
    TypeLine("one.gdl");
    EXPECT_THROW(ChooseFile(context, FileMode::SaveDesign), ScriptExhausted);
    EXPECT_TRUE(ShownAnywhere("one.gdl already exists."));

    TypeLine("one.gdl");
    backend.Script(KeyEvent('n'));
    backend.Script(KeyEvent('\r'));
    backend.Script(KeyEvent('y'));
    const FileChoice choice = ChooseFile(context, FileMode::SaveDesign);
    EXPECT_EQ(choice.path, InFolder("one.gdl"));
    EXPECT_EQ(choice.result, 1);
    EXPECT_EQ(backend.Pending(), 0u);
}

// Saving again starts at the design's own file: its folder listed, its name ready to accept.
TEST_F(FileChooserTest, AStartPathOpensItsFolderWithItsName) {
    backend.Script(KeyEvent('\r'));
    EXPECT_THROW(ChooseFile(context, FileMode::SaveDesign, InFolder("sub/inner.gdl")),
                 ScriptExhausted);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"../", "inner.gdl"}));
    EXPECT_TRUE(ShownAnywhere("inner.gdl already exists."));

    backend.Script(KeyEvent('\r'));
    backend.Script(KeyEvent('y'));
    EXPECT_EQ(ChooseFile(context, FileMode::SaveDesign, "sub/inner.gdl").path,
              InFolder("sub/inner.gdl"));
}

TEST_F(FileChooserTest, SavingANewFileAsksToCreateIt) {
    TypeLine("new.gdl");
    EXPECT_THROW(ChooseFile(context, FileMode::SaveDesign), ScriptExhausted);
    EXPECT_TRUE(ShownAnywhere("This file does not exist."));

    TypeLine("new.gdl");
    backend.Script(KeyEvent('n'));
    backend.Script(KeyEvent(27));
    const FileChoice refused = ChooseFile(context, FileMode::SaveDesign);
    EXPECT_EQ(refused.path, "");
    EXPECT_EQ(refused.result, 0);

    TypeLine("new.gdl");
    backend.Script(KeyEvent('y'));
    EXPECT_EQ(ChooseFile(context, FileMode::SaveDesign).path, InFolder("new.gdl"));
    EXPECT_FALSE(fs::exists(folder_ / "new.gdl"));
}

TEST_F(FileChooserTest, TheTitleNamesThePreviousChoice) {
    PaintBackground();
    const std::string before = ScreenBytes();
    TypeLine("one.gdl");
    ChooseFile(context, FileMode::OpenDesign);
    Click(kCancelRow, kButtonCol);
    const FileChoice cancelled = ChooseFile(context, FileMode::OpenDesign);
    backend.Script(KeyEvent(27));
    ChooseFile(context, FileMode::SaveDesign);

    EXPECT_EQ(cancelled.path, "");
    EXPECT_EQ(cancelled.result, 0);
    EXPECT_EQ(pass.memory.lastChosenPath, "");
    EXPECT_EQ(backend.titles,
              (std::vector<std::string>{kTitle, kTitle + InFolder("one.gdl"), kTitle}));
    EXPECT_EQ(ScreenBytes(), before);
}

// Names the code cannot hold are refused for a bitmap, whose path goes into the code, with the
// reason; the same names are real files for a design, chosen by their own bytes.
TEST_F(FileChooserTest, NamesTheCodeCannotHoldAreRefusedForABitmapAndKeptExactForADesign) {
    const struct {
        const char* what;
        std::string name;  // as the file system has it
        const char* reason;
    } cases[] = {
        {"Latin-1 bytes", "caf\xE9", "does not have."},
        {"CJK", "\xE7\x94\xBB", "does not have."},
        {"a double quote", "say \"hi\"", "it holds a double quote"},
        {"a line break", "two\nlines", "it holds a line break"},
    };
    for (const auto& c : cases) {
        const fs::path folder = folder_ / "names" / c.what;
        fs::create_directories(folder);
        std::ofstream(folder / (c.name + ".bmp")) << "x";
        std::ofstream(folder / (c.name + ".gdl")) << "x";
        fs::current_path(folder);

        Click(kFirstEntryRow + 1, kEntryCol);  // after ../
        Click(kOkRow, kButtonCol);
        EXPECT_THROW(ChooseFile(context, FileMode::OpenBitmap), ScriptExhausted) << c.what;
        EXPECT_TRUE(ShownAnywhere("cannot be written into the code:")) << c.what;
        EXPECT_TRUE(ShownAnywhere(c.reason)) << c.what;
        EXPECT_FALSE(ShownAnywhere("File not found.")) << c.what;

        Click(kFirstEntryRow + 1, kEntryCol);
        Click(kOkRow, kButtonCol);
        const FileChoice opened = ChooseFile(context, FileMode::OpenDesign);
        EXPECT_EQ(opened.path, (folder / (c.name + ".gdl")).string()) << c.what;
        EXPECT_EQ(opened.result, 1);
    }
}

// A name that Windows-1252 can hold goes into the code in Windows-1252 and is opened by its own
// bytes; typed characters go in as UTF-8 and Backspace takes a whole character.
TEST_F(FileChooserTest, ABitmapIsOpenedByItsBytesAndNamedInWindows1252) {
    std::ofstream(folder_ / "caf\xC3\xA9.bmp") << "x";
    Type("caf\xE9x");
    backend.Script(KeyEvent(8));
    TypeLine(".bmp");
    const FileChoice choice = ChooseFile(context, FileMode::OpenBitmap);
    EXPECT_EQ(choice.path, InFolder("caf\xC3\xA9.bmp"));
    EXPECT_EQ(choice.designPath, Utf8ToCp1252(folder_.string()) + "/caf\xE9.bmp");
    EXPECT_EQ(pass.memory.lastChosenPath, choice.designPath);
}

}  // namespace
}  // namespace gridlet
