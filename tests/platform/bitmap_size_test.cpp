#include "platform/bitmap_size.h"

#include <gtest/gtest.h>

#include "support/bmp_file.h"

namespace gridlet {
namespace {
namespace fs = std::filesystem;

TEST(ReadBitmapSize, ReadsTheHeaderAndGivesZeroForWhatItCannotRead) {
    const fs::path folder = fs::temp_directory_path() / "gridlet-bitmap-size";
    fs::remove_all(folder);
    fs::create_directories(folder);
    WriteBmp(folder / "wide.bmp", 200, 50);
    WriteBmp(folder / "dot.bmp", 1, 1);
    std::ofstream(folder / "text.bmp") << "not a bitmap at all";

    const struct {
        const char* name;
        std::int32_t width, height;
    } cases[] = {
        {"wide.bmp", 200, 50}, {"dot.bmp", 1, 1}, {"text.bmp", 0, 0}, {"missing.bmp", 0, 0}};
    for (const auto& c : cases) {
        const BitmapSize size = ReadBitmapSize((folder / c.name).string());
        EXPECT_EQ(size.width, c.width) << c.name;
        EXPECT_EQ(size.height, c.height) << c.name;
    }
    fs::remove_all(folder);
}

}  // namespace
}  // namespace gridlet
