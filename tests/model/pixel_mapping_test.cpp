#include "model/pixel_mapping.h"

#include <gtest/gtest.h>

namespace gridlet {
namespace {

// 11.45 is held in single precision, just below 11.45: ten columns with the near offset give
// 117, not the 118 that 117.5 would round to.
TEST(PixelMapping, ColumnsCountElevenPointFourFiveInSinglePrecision) {
    const int expected[] = {3, 14, 26, 37, 49, 60, 72, 83, 95, 106, 117};
    for (int distance = 0; distance <= 10; ++distance)
        EXPECT_EQ(PixelX(20 + distance, 20, 3), expected[distance]) << distance;
    EXPECT_EQ(PixelX(30, 20, 7), 121);
    EXPECT_EQ(PixelX(70, 20, 3), 575);
    EXPECT_EQ(PixelX(18, 20, 3), -20);
}

TEST(PixelMapping, RowsCountTwentyThree) {
    EXPECT_EQ(PixelY(5, 5, 4), 4);
    EXPECT_EQ(PixelY(7, 5, 23), 69);
    EXPECT_EQ(PixelY(4, 5, 4), -19);
}

}  // namespace
}  // namespace gridlet
