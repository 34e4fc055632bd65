#include "platform/terminal_description.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace gridlet {
namespace {

TEST(TerminalDescription, TheNumberOfColoursComesFromTheDatabase) {
    const int fd = open("/dev/null", O_WRONLY);
    ASSERT_GE(fd, 0);
    struct Case {
        const char* term;
        int colours;
    };
    const Case cases[] = {{"xterm-256color", 256}, {"xterm", 8}, {"dumb", 0}};
    for (const Case& c : cases) {
        const TerminalDescription description = LoadTerminalDescription(fd, c.term);
        EXPECT_TRUE(description.found) << c.term;
        EXPECT_EQ(description.colours, c.colours) << c.term;
    }
    close(fd);
}

}  // namespace
}  // namespace gridlet
