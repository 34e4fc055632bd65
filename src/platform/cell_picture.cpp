#include "platform/cell_picture.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/ansi_writer.h"
#include "platform/base64.h"
#include "platform/sixel_palette.h"

namespace gridlet {
namespace {

constexpr std::uint8_t kBlank = ' ';
constexpr std::uint8_t kUpperHalf = 0xDF;
constexpr std::uint8_t kLeftHalf = 0xDD;

// The 16 attribute colours, as the PC shows them.
constexpr std::array<std::int32_t, 16> kAttributeColours = {
    0x000000, 0x0000AA, 0x00AA00, 0x00AAAA, 0xAA0000, 0xAA00AA, 0xAA5500, 0xAAAAAA,
    0x555555, 0x5555FF, 0x55FF55, 0x55FFFF, 0xFF5555, 0xFF55FF, 0xFFFF55, 0xFFFFFF};

// The kitty image the picture is, replaced by each new one.
constexpr int kKittyImage = 7301;
constexpr std::size_t kKittyChunk = 4096;

int Channel(std::int32_t colour, int shift) {
    return (colour >> shift) & 0xFF;
}

int NearestAttributeColour(std::int32_t colour) {
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < 16; ++i) {
        long distance = 0;
        for (int shift : {16, 8, 0}) {
            const int d = Channel(colour, shift) - Channel(kAttributeColours[i], shift);
            distance += static_cast<long>(d) * d;
        }
        if (bestDistance < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

// The sums over a part of a cell, for its mean colour and how far its pixels lie from it.
struct Sums {
    std::array<long, 3> sum{};
    long squares = 0;
    long count = 0;

    void Add(const std::uint8_t* pixel) {
        for (std::size_t c = 0; c < 3; ++c) {
            sum[c] += pixel[c];
            squares += static_cast<long>(pixel[c]) * pixel[c];
        }
        ++count;
    }
    double Spread() const {
        if (count == 0) return 0;
        double spread = static_cast<double>(squares);
        for (long s : sum) {
            const auto part = static_cast<double>(s);
            spread -= part * part / static_cast<double>(count);
        }
        return spread;
    }
    std::int32_t Mean() const {
        if (count == 0) return 0;
        std::int32_t colour = 0;
        for (long s : sum)
            colour = colour << 8 | static_cast<std::int32_t>((s + count / 2) / count);
        return colour;
    }
};

const std::uint8_t* PixelAt(const CellPicture& picture, int x, int y) {
    return &picture.rgb[(static_cast<std::size_t>(y) * picture.width + x) * 3];
}

}  // namespace

PixelBox CellPixelBox(const CellPicture& picture, int row, int col) {
    const auto c = static_cast<std::size_t>(col - picture.cells.left);
    const auto r = static_cast<std::size_t>(row - picture.cells.top);
    const auto cut = [](int value, int size) { return std::clamp(value, 0, size); };
    return {cut(picture.xEdges[c], picture.width), cut(picture.yEdges[r], picture.height),
            cut(picture.xEdges[c + 1], picture.width), cut(picture.yEdges[r + 1], picture.height)};
}

std::vector<bool> ChangedCells(const CellPicture& before, const CellPicture& after) {
    const CellRect& cells = after.cells;
    std::vector<bool> changed(static_cast<std::size_t>(cells.Width()) * cells.Height(), true);
    if (before.cells != cells || before.xEdges != after.xEdges || before.yEdges != after.yEdges ||
        before.width != after.width || before.height != after.height) {
        return changed;
    }
    std::size_t i = 0;
    for (int row = cells.top; row <= cells.bottom; ++row) {
        for (int col = cells.left; col <= cells.right; ++col, ++i) {
            const PixelBox box = CellPixelBox(after, row, col);
            const auto bytes = static_cast<std::size_t>(box.right - box.left) * 3;
            bool same = true;
            for (int y = box.top; y < box.bottom && same; ++y)
                same = std::memcmp(PixelAt(before, box.left, y), PixelAt(after, box.left, y),
                                   bytes) == 0;
            changed[i] = !same;
        }
    }
    return changed;
}

Cell SymbolCell(const CellPicture& picture, int row, int col, bool trueColour) {
    const PixelBox box = CellPixelBox(picture, row, col);
    const int middleY = (box.top + box.bottom) / 2;
    const int middleX = (box.left + box.right) / 2;
    Sums whole, top, bottom, left, right;
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x) {
            const std::uint8_t* pixel = PixelAt(picture, x, y);
            whole.Add(pixel);
            (y < middleY ? top : bottom).Add(pixel);
            (x < middleX ? left : right).Add(pixel);
        }
    }
    // The split that leaves the pixels nearest their part's colour; a blank when none is nearer.
    std::uint8_t symbol = kBlank;
    std::int32_t foreground = whole.Mean();
    std::int32_t background = whole.Mean();
    double spread = whole.Spread();
    if (top.Spread() + bottom.Spread() < spread) {
        spread = top.Spread() + bottom.Spread();
        symbol = kUpperHalf;
        foreground = top.Mean();
        background = bottom.Mean();
    }
    if (left.Spread() + right.Spread() < spread) {
        symbol = kLeftHalf;
        foreground = left.Mean();
        background = right.Mean();
    }
    Cell cell;
    cell.ch = symbol;
    cell.attr = static_cast<std::uint8_t>(NearestAttributeColour(background) << 4 |
                                          NearestAttributeColour(foreground));
    if (trueColour) {
        cell.rgbForeground = foreground;
        cell.rgbBackground = background;
    }
    return cell;
}

std::vector<std::uint8_t> ScaledCells(const CellPicture& picture, const CellRect& region,
                                      CellPixels cell) {
    const int width = region.Width() * cell.width;
    const int height = region.Height() * cell.height;
    std::vector<std::uint8_t> out(static_cast<std::size_t>(width) * height * 3, 0xFF);
    // The source pixel of each output column and row: the nearest in the cell's part.
    const auto sources = [&](int first, int count, int size, int room) {
        std::vector<int> from(static_cast<std::size_t>(count) * size, -1);
        for (int i = 0; i < count * size; ++i) {
            const int index = first + i / size;
            const PixelBox box = room == 0 ? CellPixelBox(picture, picture.cells.top, index)
                                           : CellPixelBox(picture, index, picture.cells.left);
            const int low = room == 0 ? box.left : box.top;
            const int high = room == 0 ? box.right : box.bottom;
            if (high > low)
                from[static_cast<std::size_t>(i)] = low + (i % size) * (high - low) / size;
        }
        return from;
    };
    const std::vector<int> xs = sources(region.left, region.Width(), cell.width, 0);
    const std::vector<int> ys = sources(region.top, region.Height(), cell.height, 1);
    std::uint8_t* pixel = out.data();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x, pixel += 3) {
            const int sx = xs[static_cast<std::size_t>(x)];
            const int sy = ys[static_cast<std::size_t>(y)];
            if (sx >= 0 && sy >= 0) std::memcpy(pixel, PixelAt(picture, sx, sy), 3);
        }
    }
    return out;
}

std::string SixelCells(const CellPicture& picture, const CellRect& region, CellPixels cell) {
    const std::vector<std::uint8_t> pixels = ScaledCells(picture, region, cell);
    const int width = region.Width() * cell.width;
    const int height = region.Height() * cell.height;
    const PictureView view{width, height, pixels};
    if (std::optional<std::string> exact = ExactSixels(view, width, height))
        return MoveTo(region.top, region.left) + *exact;
    return PictureBytes(view, region, PictureMode::Sixels, cell);
}

std::string KittyCells(const CellPicture& picture, CellPixels cell) {
    const CellRect& cells = picture.cells;
    const std::vector<std::uint8_t> pixels = ScaledCells(picture, cells, cell);
    const std::string data =
        Base64(std::string_view(reinterpret_cast<const char*>(pixels.data()), pixels.size()));
    std::string out = MoveTo(cells.top, cells.left);
    for (std::size_t start = 0; start < data.size() || start == 0; start += kKittyChunk) {
        const bool more = start + kKittyChunk < data.size();
        out += "\x1b_G";
        if (start == 0) {
            out += "a=T,q=2,f=24,C=1,z=-1,i=" + std::to_string(kKittyImage) +
                   ",s=" + std::to_string(cells.Width() * cell.width) +
                   ",v=" + std::to_string(cells.Height() * cell.height) +
                   ",c=" + std::to_string(cells.Width()) + ",r=" + std::to_string(cells.Height()) +
                   ",";
        }
        out += more ? "m=1;" : "m=0;";
        out.append(data, start, kKittyChunk);
        out += "\x1b\\";
    }
    return out;
}

}  // namespace gridlet
