#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace gridlet {
namespace {
namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    static std::string Read(const fs::path& path) {
        std::ifstream file(path, std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }
    std::size_t Entries() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }

    fs::path folder =
        fs::temp_directory_path() / ("gridlet-atomic-file-" + std::to_string(getpid()));
};

TEST_F(AtomicFileTest, WritesTheBytesAsTheyAreAndReplacesAnOldFile) {
    const fs::path path = folder / "code.bas";
    std::ofstream(path) << "an older and longer text than the new one";
    const std::string bytes = std::string("SUB \xC4\r\n\0end", 11);

    EXPECT_EQ(WriteFileAtomically(path.string(), bytes), "");
    EXPECT_EQ(Read(path), bytes);
    EXPECT_EQ(Entries(), 1u);  // no temporary file left beside it
}

TEST_F(AtomicFileTest, AFailureSaysWhyAndLeavesNothingBehind) {
    const struct {
        fs::path path;
        std::string reason;
    } cases[] = {
        {folder / "no" / "such" / "folder.bas", "No such file or directory"},
        {folder / "taken", "Is a directory"},  // a folder of that name is in the way
    };
    fs::create_directories(folder / "taken" / "inside");
    for (const auto& c : cases) {
        EXPECT_EQ(WriteFileAtomically(c.path.string(), "text"), c.reason) << c.path;
        EXPECT_EQ(Entries(), 1u) << c.path;
        EXPECT_TRUE(fs::is_directory(folder / "taken" / "inside"));
    }
}

}  // namespace
}  // namespace gridlet
