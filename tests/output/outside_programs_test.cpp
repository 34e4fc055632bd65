#include "output/outside_programs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace gridlet {
namespace {

namespace fs = std::filesystem;

class OutsidePrograms : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        folder = fs::temp_directory_path() / ("gridlet programs " + test);
        fs::remove_all(folder);
        fs::create_directories(folder / "bin");
        environment.searchPath = (folder / "bin").string();
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string Program(const std::string& name) {
        const fs::path path = folder / "bin" / name;
        std::ofstream(path) << "#!/bin/sh\n";
        fs::permissions(path, fs::perms::owner_all);
        return path.string();
    }
    void Touch(const fs::path& path) {
        fs::create_directories(path.parent_path());
        std::ofstream(path) << "x";
    }

    fs::path folder;
    ProgramEnvironment environment;
};

TEST_F(OutsidePrograms, TheCompilerRouteNeedsWineAndTheCompilerInItsPrefix) {
    const struct {
        const char* name;
        bool wine;
        const char* compiler;  // under the folder; empty for none
        bool prefixSet;
        bool taken;
    } cases[] = {
        {"in WINEPREFIX", true, "prefix/drive_c/PBwin90/BIN/PBwin.EXE", true, true},
        {"names in another case", true, "prefix/drive_c/PBWIN90/bin/pbwin.exe", true, true},
        {"in ~/.wine", true, "home/.wine/drive_c/PBwin90/BIN/PBwin.EXE", false, true},
        {"~/.wine does not count when WINEPREFIX is set", true,
         "home/.wine/drive_c/PBwin90/BIN/PBwin.EXE", true, false},
        {"no compiler", true, "", true, false},
        {"no wine", false, "prefix/drive_c/PBwin90/BIN/PBwin.EXE", true, false},
        {"a folder where the compiler should be", true, "prefix/drive_c/PBwin90/BIN/PBwin.EXE/x",
         true, false},
    };
    for (const auto& c : cases) {
        fs::remove_all(folder / "prefix");
        fs::remove_all(folder / "home");
        fs::remove(folder / "bin" / "wine");
        const std::string wine = c.wine ? Program("wine") : "";
        if (*c.compiler != '\0') Touch(folder / c.compiler);
        environment.winePrefix = c.prefixSet ? (folder / "prefix").string() : "";
        environment.home = (folder / "home").string();
        EXPECT_EQ(CompilerWine(environment), c.taken ? wine : "") << c.name;
    }
}

TEST_F(OutsidePrograms, EditorsInTheirOrderAndOnlyThoseFound) {
    const std::string file = "/work dir/Testgui.bas";
    const std::string visual = Program("my-visual");
    const std::string editor = Program("my-editor");
    const std::string nano = Program("nano");
    const std::string vi = Program("vi");
    environment.visual = " my-visual -f  ";
    environment.editor = "my-editor";
    EXPECT_EQ(EditorCommands(environment, folder.string(), file),
              (std::vector<std::vector<std::string>>{
                  {visual, "-f", file}, {editor, file}, {nano, file}, {vi, file}}));

    environment.visual = "missing-editor";
    environment.editor = "";
    EXPECT_EQ(EditorCommands(environment, folder.string(), file),
              (std::vector<std::vector<std::string>>{{nano, file}, {vi, file}}));
}

// JfishPro.exe in the current directory comes first, through wine, with the Windows path.
TEST_F(OutsidePrograms, JfishProInTheDirectoryComesFirstThroughWine) {
    const std::string vi = Program("vi");
    Touch(folder / "JfishPro.exe");
    const std::string file = (folder / "Testgui.bas").string();
    EXPECT_EQ(EditorCommands(environment, folder.string(), file),
              (std::vector<std::vector<std::string>>{{vi, file}}))
        << "not without wine";

    const std::string wine = Program("wine");
    const auto commands = EditorCommands(environment, folder.string(), file);
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0], (std::vector<std::string>{wine, (folder / "JfishPro.exe").string(),
                                                     WindowsPath(file)}));
    EXPECT_EQ(WindowsPath("/tmp/a b/Testgui.bas"), "Z:\\tmp\\a b\\Testgui.bas");
}

}  // namespace
}  // namespace gridlet
