#include "platform/read_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/basic_error.h"
#include "support/temp_folder.h"

namespace gridlet {
namespace {

int ErrorReading(const std::string& path, std::size_t maxBytes = 100) {
    try {
        ReadFileBytes(path, maxBytes);
    } catch (const BasicError& error) {
        return error.number();
    }
    return 0;
}

TEST(ReadFile, GivesEveryByteUpToItsBound) {
    TempFolder folder;
    const std::string bytes("a\r\n\0\x1A\xEE", 6);
    folder.Write("f", bytes);
    EXPECT_EQ(ReadFileBytes(folder / "f", 6), bytes);
    EXPECT_EQ(ErrorReading(folder / "f", 5), kErrorOutOfMemory);
}

TEST(ReadFile, WhatIsNoFileToReadIsARunTimeError) {
    TempFolder folder;
    mkfifo((folder / "pipe").c_str(), 0600);  // opened without a writer, it must not hold us
    EXPECT_EQ(ErrorReading(folder / "missing"), kErrorFileNotFound);
    EXPECT_EQ(ErrorReading(folder.path.string()), kErrorPathFileAccess);
    EXPECT_NE(ErrorReading(folder / "pipe"), 0);
}

}  // namespace
}  // namespace gridlet
