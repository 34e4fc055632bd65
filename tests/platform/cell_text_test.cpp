#include "platform/cell_text.h"

#include <gtest/gtest.h>

namespace gridlet {
namespace {

TEST(RowOfCells, FillsTheRowAndCutsALongTextInItsMiddle) {
    EXPECT_EQ(RowOfCells(" caf\xC3\xA9", 8), " caf\x82   ");
    const std::string cut =
        RowOfCells(" Not saved: " + std::string(100, 'n') + ": Is a directory", 40);
    EXPECT_EQ(cut, " Not saved: nnnnnn...nnn: Is a directory");
}

}  // namespace
}  // namespace gridlet
