#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <csignal>
#include <cstring>

#include "platform/basic_error.h"
#include "platform/file_error.h"
#include "support/refusing_folder.h"
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

// Nothing that exists stands behind it, so the user was asked whether to create a file of that
// name, not whether to replace another.
TEST(AtomicFile, ALinkToNothingIsReplacedByTheFile) {
    TempFolder folder;
    std::filesystem::create_symlink("elsewhere.GDL", folder / "link.GDL");
    WriteFileAtomically(folder / "link.GDL", "new");
    EXPECT_FALSE(std::filesystem::is_symlink(folder / "link.GDL"));
    EXPECT_EQ(folder.Read("link.GDL"), "new");
    EXPECT_EQ(folder.Names(), "link.GDL ");
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

// The program's own files, in a folder others may write: a link planted at the name is replaced
// and the file it names stays as it was.
TEST(OwnFile, ALinkAtTheNameIsReplacedNotFollowed) {
    TempFolder folder;
    folder.Write("victim", "private");
    std::filesystem::create_symlink(folder / "victim", folder / "Testgui.bas");
    ReplaceOwnFile(folder / "Testgui.bas", "program");
    EXPECT_EQ(folder.Read("victim"), "private");
    EXPECT_FALSE(std::filesystem::is_symlink(folder / "Testgui.bas"));
    EXPECT_EQ(folder.Read("Testgui.bas"), "program");
    EXPECT_EQ(folder.Names(), "Testgui.bas victim ");
}

// A name that cannot be replaced is a file another program holds (70); a folder that takes no new
// file is named as such; neither leaves a temporary file.
TEST(OwnFile, FailuresSayWhetherTheNameOrTheFolderRefused) {
    TempFolder folder;
    std::filesystem::create_directories(folder.path / "Testgui.bas" / "inside");
    try {
        ReplaceOwnFile(folder / "Testgui.bas", "program");
        ADD_FAILURE() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(error.number(), kErrorPermissionDenied);
        EXPECT_EQ(error.reason(), std::strerror(EISDIR));
    }
    EXPECT_EQ(folder.Names(), "Testgui.bas ");

    const RefusingFolder refusing(folder.path / "ro", RefusingFolder::Kind::ReadOnly);
    if (!refusing.unavailable.empty()) GTEST_SKIP() << refusing.unavailable;
    try {
        ReplaceOwnFile(folder / "ro/Testgui.bas", "program");
        ADD_FAILURE() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(error.number(), kErrorPathFileAccess);
        EXPECT_EQ(std::string(error.what()), "Cannot write in the folder " + folder / "ro" + ": " +
                                                 std::strerror(refusing.error));
    }
}

}  // namespace
}  // namespace gridlet
