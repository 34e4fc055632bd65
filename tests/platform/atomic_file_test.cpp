#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <csignal>

#include "platform/basic_error.h"
#include "support/temp_folder.h"

namespace gridlet {
namespace {

int ModeOf(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return static_cast<int>(info.st_mode & 07777);
}

TEST(AtomicFile, WritesANewFileAndReplacesAnOldOneKeepingItsPermissions) {
    TempFolder folder;
    WriteFileAtomically(folder / "a.GDL", std::string("one\r\n\0\x1A", 7));
    EXPECT_EQ(folder.Read("a.GDL"), std::string("one\r\n\0\x1A", 7));

    chmod((folder / "a.GDL").c_str(), 0640);
    WriteFileAtomically(folder / "a.GDL", "two");
    EXPECT_EQ(folder.Read("a.GDL"), "two");
    EXPECT_EQ(ModeOf(folder / "a.GDL"), 0640);
    EXPECT_EQ(folder.Names(), "a.GDL ") << "no temporary file is left";
}

TEST(AtomicFile, ALinkKeepsNamingTheFileItNamed) {
    TempFolder folder;
    folder.Write("real.GDL", "old");
    std::filesystem::create_symlink("real.GDL", folder / "link.GDL");
    WriteFileAtomically(folder / "link.GDL", "new");
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.GDL"));
    EXPECT_EQ(folder.Read("real.GDL"), "new");
}

TEST(AtomicFile, AFolderThatIsNoneIsARunTimeErrorAndNothingIsMade) {
    TempFolder folder;
    folder.Write("plain", "x");
    for (const char* name : {"missing/a.GDL", "plain/a.GDL"}) {
        SCOPED_TRACE(name);
        try {
            WriteFileAtomically(folder / name, "bytes");
            ADD_FAILURE() << "no error";
        } catch (const BasicError& error) {
            EXPECT_NE(std::string(error.what()).find(name), std::string::npos) << error.what();
        }
    }
    EXPECT_EQ(folder.Names(), "plain ");
}

// A disk that fills up in the middle of the write leaves the old file whole and no temporary one;
// a limit on the file size stands in for the full disk.
TEST(AtomicFile, AWriteCutShortLeavesTheOldFileWhole) {
    TempFolder folder;
    folder.Write("a.GDL", "the good design");
    const pid_t pid = fork();
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &small);
        try {
            WriteFileAtomically(folder / "a.GDL", std::string(100000, 'x'));
        } catch (const BasicError& error) {
            _exit(error.number() == kErrorDiskFull ? 0 : 2);
        }
        _exit(1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(folder.Read("a.GDL"), "the good design");
    EXPECT_EQ(folder.Names(), "a.GDL ");
}

}  // namespace
}  // namespace gridlet
