#include "platform/bitmap_file.h"

#include <gtest/gtest.h>

#include <string>

#include "support/bmp_file.h"
#include "support/temp_folder.h"

namespace gridlet {
namespace {

// The run-length code that ends a run-length encoded bitmap; a plain literal would stop at its
// first byte.
const std::string kEndOfBitmap("\0\x01", 2);

TEST(ReadBitmapSize, ReadsTheHeaderAndGivesZeroForWhatItCannotRead) {
    const TempFolder folder;
    WriteBmp(folder / "wide.bmp", 200, 50);
    WriteBmp(folder / "dot.bmp", 1, 1);
    folder.Write("text.bmp", "not a bitmap at all");

    const struct {
        const char* name;
        std::int32_t width, height;
    } cases[] = {
        {"wide.bmp", 200, 50}, {"dot.bmp", 1, 1}, {"text.bmp", 0, 0}, {"missing.bmp", 0, 0}};
    for (const auto& c : cases) {
        const BitmapSize size = ReadBitmapSize(folder / c.name);
        EXPECT_EQ(size.width, c.width) << c.name;
        EXPECT_EQ(size.height, c.height) << c.name;
    }
}

// The pixels come only from a file whose header the size check accepts, so a header claiming a
// huge picture is never decoded.
TEST(ReadBitmapPixels, DecodesWhatTheSizeCheckAcceptsAndNothingElse) {
    const TempFolder folder;
    WriteBmp(folder / "small.bmp", 3, 2);
    WriteBmp(folder / "wide.bmp", 32768, 1);

    const auto small = ReadBitmapPixels(folder / "small.bmp");
    ASSERT_TRUE(small);
    EXPECT_EQ(small->width, 3);
    EXPECT_EQ(small->height, 2);
    EXPECT_EQ(small->rgb, std::vector<std::uint8_t>(3 * 2 * 3, 0x7F));
    EXPECT_FALSE(ReadBitmapPixels(folder / "wide.bmp"));
    EXPECT_FALSE(ReadBitmapPixels(folder / "missing.bmp"));
}

// The file header and a 40-byte info header; the pixels do not matter for the size.
std::string BmpHeaders(std::int32_t width, std::int32_t height, std::uint16_t bitsPerPixel,
                       std::uint32_t compression) {
    std::string bytes = "BM";
    auto put = [&bytes](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    put(0, 4);
    put(0, 4);
    put(54, 4);
    put(40, 4);
    put(static_cast<std::uint32_t>(width), 4);
    put(static_cast<std::uint32_t>(height), 4);
    put(1, 2);
    put(bitsPerPixel, 2);
    put(compression, 4);
    for (int i = 0; i < 5; ++i) put(0, 4);
    return bytes;
}

// A bitmap stored top row first has a negative height in its header, and run-length encoded
// bitmaps are bitmaps too: the loader reports both with their size.
TEST(ReadBitmapSize, TopDownAndRunLengthBitmapsHaveTheirSize) {
    const TempFolder folder;
    const struct {
        const char* name;
        std::string bytes;
        std::int32_t width, height;
    } cases[] = {
        {"topdown.bmp", BmpHeaders(3, -2, 24, 0) + std::string(24, '\x7F'), 3, 2},
        {"rle8.bmp", BmpHeaders(30, 20, 8, 1) + std::string(1024, '\0') + kEndOfBitmap, 30, 20},
        {"rle4.bmp", BmpHeaders(7, 5, 4, 2) + std::string(64, '\0') + kEndOfBitmap, 7, 5},
        // Corrupt headers: sizes no bitmap has count as unreadable.
        {"negative-width.bmp", BmpHeaders(-7, 5, 8, 1) + std::string(64, '\0'), 0, 0},
        {"lowest-height.bmp", BmpHeaders(7, INT32_MIN, 8, 1) + std::string(64, '\0'), 0, 0},
    };
    for (const auto& c : cases) {
        folder.Write(c.name, c.bytes);
        const BitmapSize size = ReadBitmapSize(folder / c.name);
        EXPECT_EQ(size.width, c.width) << c.name;
        EXPECT_EQ(size.height, c.height) << c.name;
    }
}

// Sides above 32767 pixels count as unreadable, plain or run-length encoded, wide or tall.
TEST(ReadBitmapSize, SidesAboveTheLargestCountAsUnreadable) {
    const TempFolder folder;
    const struct {
        std::int32_t side;
        std::int32_t read;
    } cases[] = {{0, 0}, {1, 1}, {32767, 32767}, {32768, 0}, {INT32_MAX, 0}};
    const struct {
        const char* kind;
        std::uint16_t bitsPerPixel;
        std::uint32_t compression;
    } kinds[] = {{"plain", 24, 0}, {"rle8", 8, 1}};
    for (const auto& kind : kinds) {
        for (const auto& c : cases) {
            for (const bool wide : {true, false}) {
                folder.Write("side.bmp", BmpHeaders(wide ? c.side : 1, wide ? 1 : c.side,
                                                    kind.bitsPerPixel, kind.compression) +
                                             std::string(1024, '\0') + kEndOfBitmap);
                const BitmapSize size = ReadBitmapSize(folder / "side.bmp");
                const std::int32_t other = c.read == 0 ? 0 : 1;
                EXPECT_EQ(size.width, wide ? c.read : other)
                    << kind.kind << (wide ? " width " : " height ") << c.side;
                EXPECT_EQ(size.height, wide ? other : c.read)
                    << kind.kind << (wide ? " width " : " height ") << c.side;
            }
        }
    }
}

}  // namespace
}  // namespace gridlet
