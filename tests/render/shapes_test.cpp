#include <gtest/gtest.h>

#include "render_fixture.h"

namespace gridlet {
namespace {

TEST(BoxTest, WidthOneCoversTheCornerPixelsInsideItsRectangle) {
    const RgbImage image = Drawn("   GRAPHIC BOX (10, 10) - (20, 20)\r\n");
    EXPECT_EQ(image.At(10, 10), kBlack);
    EXPECT_EQ(image.At(19, 19), kBlack);
    EXPECT_EQ(image.At(20, 20), kWhite);
}

}  // namespace
}  // namespace gridlet
