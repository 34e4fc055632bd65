#include "platform/cell_picture.h"

#include <chafa.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/ansi_writer.h"
#include "platform/base64.h"
#include "platform/palette256.h"
#include "platform/sixel_palette.h"

namespace gridlet {
namespace {

constexpr std::uint8_t kBlank = ' ';

// The block symbols the cells may show: every terminal font has them, and so has code page 437.
struct BlockSymbol {
    gunichar unicode;
    std::uint8_t cp437;
};
constexpr BlockSymbol kBlockSymbols[] = {
    {0x20, kBlank}, {0x2580, 0xDF}, {0x2584, 0xDC}, {0x258C, 0xDD}, {0x2590, 0xDE}, {0x2588, 0xDB},
};

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

// A run's placement is named for its first cell, counted from 1 along the rectangle's rows.
int KittyPlacementId(const CellPicture& picture, const CellRect& run) {
    const CellRect& cells = picture.cells;
    return (run.top - cells.top) * cells.Width() + run.left - cells.left + 1;
}

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

std::vector<Cell> SymbolCells(const CellPicture& picture, const CellRect& region,
                              ColourDepth depth) {
    // Every pixel of a cell is kept: none is narrower or lower than this.
    constexpr CellPixels kSource{12, 23};
    const std::vector<std::uint8_t> rgb = ScaledCells(picture, region, kSource);
    const int width = region.Width() * kSource.width;
    const int height = region.Height() * kSource.height;
    std::vector<std::uint8_t> rgba;
    rgba.reserve(rgb.size() / 3 * 4);
    for (std::size_t i = 0; i < rgb.size(); i += 3)
        rgba.insert(rgba.end(), {rgb[i], rgb[i + 1], rgb[i + 2], 0xFF});

    ChafaCanvasConfig* config = chafa_canvas_config_new();
    chafa_canvas_config_set_geometry(config, region.Width(), region.Height());
    chafa_canvas_config_set_canvas_mode(config, CHAFA_CANVAS_MODE_TRUECOLOR);
    chafa_canvas_config_set_pixel_mode(config, CHAFA_PIXEL_MODE_SYMBOLS);
    chafa_canvas_config_set_preprocessing_enabled(config, FALSE);
    ChafaSymbolMap* symbols = chafa_symbol_map_new();
    for (const BlockSymbol& block : kBlockSymbols)
        chafa_symbol_map_add_by_range(symbols, block.unicode, block.unicode);
    chafa_canvas_config_set_symbol_map(config, symbols);
    chafa_symbol_map_unref(symbols);
    ChafaCanvas* canvas = chafa_canvas_new(config);
    chafa_canvas_config_unref(config);
    chafa_canvas_draw_all_pixels(canvas, CHAFA_PIXEL_RGBA8_UNASSOCIATED, rgba.data(), width, height,
                                 width * 4);

    std::vector<Cell> cells;
    cells.reserve(static_cast<std::size_t>(region.Width()) * region.Height());
    for (int y = 0; y < region.Height(); ++y) {
        for (int x = 0; x < region.Width(); ++x) {
            const gunichar symbol = chafa_canvas_get_char_at(canvas, x, y);
            gint foreground = 0;
            gint background = 0;
            chafa_canvas_get_colors_at(canvas, x, y, &foreground, &background);
            Cell cell;
            cell.ch = kBlank;
            for (const BlockSymbol& block : kBlockSymbols) {
                if (block.unicode == symbol) cell.ch = block.cp437;
            }
            if (cell.ch == kBlank) foreground = background;
            cell.attr = static_cast<std::uint8_t>(NearestAttributeColour(background) << 4 |
                                                  NearestAttributeColour(foreground));
            if (depth == ColourDepth::TrueColour) {
                cell.rgbForeground = foreground;
                cell.rgbBackground = background;
            } else if (depth == ColourDepth::Palette256) {
                cell.rgbForeground = PaletteColour(NearestPaletteIndex(foreground));
                cell.rgbBackground = PaletteColour(NearestPaletteIndex(background));
            }
            cells.push_back(cell);
        }
    }
    chafa_canvas_unref(canvas);
    return cells;
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
    return PictureBytes(view, region, PictureMode::Sixels, ColourDepth::TrueColour, cell);
}

std::string KittyImage(const CellPicture& picture, CellPixels cell) {
    const CellRect& cells = picture.cells;
    const std::vector<std::uint8_t> pixels = ScaledCells(picture, cells, cell);
    const std::string data =
        Base64(std::string_view(reinterpret_cast<const char*>(pixels.data()), pixels.size()));
    std::string out = "\x1b_Ga=d,d=I,i=" + std::to_string(kKittyImage) + ",q=2\x1b\\";
    for (std::size_t start = 0; start < data.size() || start == 0; start += kKittyChunk) {
        const bool more = start + kKittyChunk < data.size();
        out += "\x1b_G";
        if (start == 0) {
            out += "a=t,q=2,f=24,i=" + std::to_string(kKittyImage) +
                   ",s=" + std::to_string(cells.Width() * cell.width) +
                   ",v=" + std::to_string(cells.Height() * cell.height) + ",";
        }
        out += more ? "m=1;" : "m=0;";
        out.append(data, start, kKittyChunk);
        out += "\x1b\\";
    }
    return out;
}

std::string KittyPlacement(const CellPicture& picture, const CellRect& run, CellPixels cell) {
    const CellRect& cells = picture.cells;
    // Below zero: under the text, over the terminal's background the cells are written on.
    return MoveTo(run.top, run.left) + "\x1b_Ga=p,i=" + std::to_string(kKittyImage) +
           ",p=" + std::to_string(KittyPlacementId(picture, run)) +
           ",x=" + std::to_string((run.left - cells.left) * cell.width) +
           ",y=" + std::to_string((run.top - cells.top) * cell.height) +
           ",w=" + std::to_string(run.Width() * cell.width) + ",h=" + std::to_string(cell.height) +
           ",c=" + std::to_string(run.Width()) + ",r=1,C=1,z=-1,q=2\x1b\\";
}

std::string KittyRemoval(const CellPicture& picture, const CellRect& run) {
    return "\x1b_Ga=d,d=i,i=" + std::to_string(kKittyImage) +
           ",p=" + std::to_string(KittyPlacementId(picture, run)) + ",q=2\x1b\\";
}

}  // namespace gridlet
