#include "platform/processes.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/search_path.h"
#include "platform/session_end.h"
#include "platform/stop_request.h"
#include "support/process_gone.h"

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
    EXPECT_TRUE(
        RunAndWait({program, "/tmp/a b/Testgui.bas", "", "x*"}, ProgramOutput::Terminal).started);
    EXPECT_EQ(Read("log"), "[/tmp/a b/Testgui.bas]\n[]\n[x*]\nend\n");
}

TEST_F(ProcessesTest, DiscardedOutputGoesToDevNull) {
    const std::string log = (folder / "log").string();
    const std::string program = Script(
        "where", "fds=$(readlink /proc/$$/fd/0 /proc/$$/fd/1 /proc/$$/fd/2)\necho \"$fds\" > '" +
                     log + "'\n");
    EXPECT_TRUE(RunAndWait({program}, ProgramOutput::Discarded).started);
    EXPECT_EQ(Read("log"), "/dev/null\n/dev/null\n/dev/null\n");
}

TEST_F(ProcessesTest, AProgramThatCannotStartIsReported) {
    EXPECT_FALSE(RunAndWait({(folder / "missing").string()}, ProgramOutput::Terminal).started);
    EXPECT_FALSE(RunAndWait({}, ProgramOutput::Terminal).started);
}

// The status is the program's own; at the limit it is killed, with what it started when it has a
// process group of its own, and not with this program's group when it shares it.
TEST_F(ProcessesTest, RunAndWaitSaysHowTheProgramEnded) {
    using std::chrono::milliseconds;
    const struct {
        const char* name;
        const char* script;
        ProgramOutput output;
        bool timedOut;
        int exitStatus;  // -1: ended by SIGKILL
    } cases[] = {
        {"success", "exit 0", ProgramOutput::Discarded, false, 0},
        {"failure", "exit 3", ProgramOutput::Discarded, false, 3},
        {"killed from outside", "kill -KILL $$", ProgramOutput::Discarded, false, -1},
        {"hung with a child", "sleep 60 & echo $! > child; wait", ProgramOutput::Discarded, true,
         -1},
        {"hung on the terminal", "echo $$ > child; exec sleep 60", ProgramOutput::Terminal, true,
         -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(folder / "child");
        const std::string program =
            Script("program", std::string("cd \"$(dirname \"$0\")\"\n") + c.script);
        const auto started = std::chrono::steady_clock::now();
        const ProgramEnd end = RunAndWait({program}, c.output, milliseconds(400));
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
        EXPECT_TRUE(end.started);
        EXPECT_EQ(end.timedOut, c.timedOut);
        EXPECT_EQ(end.Succeeded(), c.exitStatus == 0 && !c.timedOut);
        if (!c.timedOut && c.exitStatus >= 0) {
            EXPECT_TRUE(WIFEXITED(end.status) && WEXITSTATUS(end.status) == c.exitStatus);
        } else if (!c.timedOut) {
            EXPECT_TRUE(WIFSIGNALED(end.status) && WTERMSIG(end.status) == SIGKILL);
        }
        if (c.timedOut) {
            const std::string child = Read("child");
            ASSERT_FALSE(child.empty());
            EXPECT_TRUE(GoneWithin(std::stoi(child))) << "left running";
        }
    }
}

// A request to stop this program ends the wait at once and the session after it: a program in a
// group of its own goes with everything it started; one on the terminal is given the same signal,
// so that an editor may keep the user's text, and is waited for.
TEST_F(ProcessesTest, AStopRequestEndsTheWaitAndTheSession) {
    const struct {
        const char* name;
        const char* script;
        ProgramOutput output;
        const char* told;  // what the program wrote when it was told to stop
    } cases[] = {
        {"a hung compiler", "sleep 60 & echo $! > child; touch running; wait",
         ProgramOutput::Discarded, ""},
        {"an editor",
         "trap 'echo TERM > told; exit 0' TERM\ntouch running\nwhile :; do sleep 0.05; done",
         ProgramOutput::Terminal, "TERM\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string program =
            Script("program", std::string("cd \"$(dirname \"$0\")\"\n") + c.script);
        const pid_t pid = fork();
        if (pid == 0) {
            const StopRequest stopRequest;
            try {
                RunAndWait({program}, c.output);
            } catch (const SessionEnd& end) {
                _exit(end.signal == SIGTERM && end.exitStatus == 128 + SIGTERM ? 50 : 51);
            }
            _exit(52);
        }
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!fs::exists(folder / "running") && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        kill(pid, SIGTERM);
        int status = 0;
        while (waitpid(pid, &status, WNOHANG) == 0 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (!WIFEXITED(status)) kill(pid, SIGKILL);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 50) << status;
        EXPECT_EQ(Read("told"), c.told);
        if (c.output == ProgramOutput::Discarded) {
            const std::string child = Read("child");
            ASSERT_FALSE(child.empty());
            EXPECT_TRUE(GoneWithin(std::stoi(child))) << "left running";
        }
        fs::remove(folder / "running");
        fs::remove(folder / "child");
        fs::remove(folder / "told");
    }
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
