#include "platform/processes.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/search_path.h"

namespace gridlet {
namespace {

namespace fs = std::filesystem;

class ProcessesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        folder = fs::temp_directory_path() / ("gridlet processes " + test);
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string Script(const std::string& name, const std::string& body) {
        const fs::path path = folder / name;
        std::ofstream(path) << "#!/bin/sh\n" << body;
        fs::permissions(path, fs::perms::owner_all);
        return path.string();
    }
    std::string Read(const std::string& name) const {
        std::ifstream file(folder / name);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }
    // A detached program writes when it likes: wait for its file to be complete, a while at most.
    std::string ReadWhenDone(const std::string& name) const {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!fs::exists(folder / (name + ".done")) &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return Read(name);
    }

    fs::path folder;
};

// The arguments arrive one by one, blanks and all, and the program has ended on return.
TEST_F(ProcessesTest, RunAndWaitPassesEachArgumentWhole) {
    const std::string log = (folder / "log").string();
    const std::string program = Script("args", "for a in \"$@\"; do echo \"[$a]\" >> '" + log +
                                                   "'; done\nsleep 0.2\n"
                                                   "echo end >> '" +
                                                   log + "'\n");
    EXPECT_TRUE(RunAndWait({program, "/tmp/a b/Testgui.bas", "", "x*"}, ProgramOutput::Terminal));
    EXPECT_EQ(Read("log"), "[/tmp/a b/Testgui.bas]\n[]\n[x*]\nend\n");
}

TEST_F(ProcessesTest, DiscardedOutputGoesToDevNull) {
    const std::string log = (folder / "log").string();
    const std::string program = Script(
        "where", "fds=$(readlink /proc/$$/fd/0 /proc/$$/fd/1 /proc/$$/fd/2)\necho \"$fds\" > '" +
                     log + "'\n");
    EXPECT_TRUE(RunAndWait({program}, ProgramOutput::Discarded));
    EXPECT_EQ(Read("log"), "/dev/null\n/dev/null\n/dev/null\n");
}

TEST_F(ProcessesTest, AProgramThatCannotStartIsReported) {
    EXPECT_FALSE(RunAndWait({(folder / "missing").string()}, ProgramOutput::Terminal));
    EXPECT_FALSE(RunAndWait({}, ProgramOutput::Terminal));
}

// The program runs in the directory given, in a session of its own, with nothing of this
// program's terminal, and is not this program's child.
TEST_F(ProcessesTest, StartDetachedLeavesTheProgramOnItsOwn) {
    const fs::path directory = folder / "a dir";
    fs::create_directories(directory);
    const std::string log = (folder / "log").string();
    const std::string program =
        Script("detached",
               "out=$(readlink /proc/$$/fd/1)\n"
               "read -r _ _ _ ppid _ sid _ < /proc/$$/stat\n"
               "{ pwd; echo \"$sid $ppid\"; echo \"$out\"; echo \"$1\"; } > '" +
                   log +
                   "'\n"
                   "touch '" +
                   log + ".done'\n");
    StartDetached({program, "one arg"}, directory.string());
    std::istringstream lines(ReadWhenDone("log"));
    std::string cwd, ids, output, argument;
    std::getline(lines, cwd);
    std::getline(lines, ids);
    std::getline(lines, output);
    std::getline(lines, argument);
    EXPECT_EQ(cwd, directory.string());
    std::istringstream numbers(ids);
    pid_t session = 0, parent = 0;
    numbers >> session >> parent;
    EXPECT_NE(session, getsid(0));
    EXPECT_NE(parent, getpid());
    EXPECT_EQ(output, "/dev/null");
    EXPECT_EQ(argument, "one arg");
}

TEST_F(ProcessesTest, FindOnPathTakesTheFirstExecutableFile) {
    fs::create_directories(folder / "one" / "tool");  // a directory is no program
    fs::create_directories(folder / "two");
    fs::create_directories(folder / "three");
    std::ofstream(folder / "two" / "tool") << "not executable";
    const std::string found = Script("three/tool", "");
    const std::string path = (folder / "one").string() + "::" + (folder / "two").string() + ":" +
                             (folder / "three").string();
    EXPECT_EQ(FindOnPath("tool", path), found);
    EXPECT_EQ(FindOnPath("other", path), "");
    EXPECT_EQ(FindOnPath(found, ""), found) << "a path stands for itself";
    EXPECT_EQ(FindOnPath("", path), "");
}

}  // namespace
}  // namespace gridlet
