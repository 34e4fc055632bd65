#include <gtest/gtest.h>

#include "platform/memory_backend.h"
#include "screen/images.h"

namespace gridlet {
namespace {

TEST(Images, EveryImageIsAsLargeAsItsRectangle) {
    for (const auto& image : AllImages()) {
        const auto cells = (image.rightCol - image.leftCol + 1) * (image.bottomRow - image.topRow + 1);
        EXPECT_EQ(image.bytes.size(), static_cast<std::size_t>(cells) * 2) << image.name;
    }
}

}  // namespace
}  // namespace gridlet
