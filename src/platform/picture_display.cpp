#include "platform/picture_display.h"

#include <chafa.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "platform/ansi_writer.h"
#include "platform/sixel_palette.h"

namespace gridlet {
namespace {

constexpr int kSixelHeight = 6;  // pixel rows in one sixel

ChafaPixelMode PixelModeOf(PictureMode mode) {
    switch (mode) {
        case PictureMode::Sixels:
            return CHAFA_PIXEL_MODE_SIXELS;
        case PictureMode::Kitty:
            return CHAFA_PIXEL_MODE_KITTY;
        case PictureMode::Iterm2:
            return CHAFA_PIXEL_MODE_ITERM2;
        case PictureMode::Symbols:
            break;
    }
    return CHAFA_PIXEL_MODE_SYMBOLS;
}

// Blocks and quadrants are in nearly every terminal font; the finer sextants are not.
ChafaSymbolMap* BlockSymbols() {
    ChafaSymbolMap* symbols = chafa_symbol_map_new();
    chafa_symbol_map_add_by_tags(
        symbols, static_cast<ChafaSymbolTags>(CHAFA_SYMBOL_TAG_SPACE | CHAFA_SYMBOL_TAG_BLOCK |
                                              CHAFA_SYMBOL_TAG_HALF | CHAFA_SYMBOL_TAG_QUAD));
    return symbols;
}

std::vector<std::uint8_t> WithAlpha(std::span<const std::uint8_t> rgb) {
    std::vector<std::uint8_t> rgba;
    rgba.reserve(rgb.size() / 3 * 4);
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) {
        rgba.insert(rgba.end(), {rgb[i], rgb[i + 1], rgb[i + 2], 0xFF});
    }
    return rgba;
}

// The palette's first 16 colours are the terminal's theme, so they are left out where it has
// more.
ChafaCanvasMode CanvasModeOf(ColourDepth colours) {
    switch (colours) {
        case ColourDepth::Attributes16:
            return CHAFA_CANVAS_MODE_INDEXED_16;
        case ColourDepth::Palette256:
            return CHAFA_CANVAS_MODE_INDEXED_240;
        case ColourDepth::TrueColour:
            break;
    }
    return CHAFA_CANVAS_MODE_TRUECOLOR;
}

// chafa's output for the picture stretched over columns x rows cells; symbol rows end in "\n".
std::string ChafaOutput(const PictureView& picture, int columns, int rows, PictureMode mode,
                        ColourDepth colours, CellPixels cell) {
    ChafaCanvasConfig* config = chafa_canvas_config_new();
    chafa_canvas_config_set_geometry(config, columns, rows);
    chafa_canvas_config_set_cell_geometry(config, cell.width, cell.height);
    chafa_canvas_config_set_canvas_mode(config, CanvasModeOf(colours));
    chafa_canvas_config_set_pixel_mode(config, PixelModeOf(mode));
    // The colours as drawn: no contrast boost.
    chafa_canvas_config_set_preprocessing_enabled(config, FALSE);
    ChafaSymbolMap* symbols = BlockSymbols();
    chafa_canvas_config_set_symbol_map(config, symbols);
    chafa_symbol_map_unref(symbols);
    ChafaCanvas* canvas = chafa_canvas_new(config);
    chafa_canvas_config_unref(config);

    // chafa shears three-byte pixels of an odd row length, so they go in with four bytes each.
    const std::vector<std::uint8_t> rgba = WithAlpha(picture.rgb);
    chafa_canvas_draw_all_pixels(canvas, CHAFA_PIXEL_RGBA8_UNASSOCIATED, rgba.data(), picture.width,
                                 picture.height, picture.width * 4);
    // The fallback description knows every sequence; which of them is used is the mode's choice.
    ChafaTermInfo* terminal = chafa_term_db_get_fallback_info(chafa_term_db_get_default());
    GString* printed = chafa_canvas_print(canvas, terminal);
    std::string bytes(printed->str, printed->len);
    g_string_free(printed, TRUE);
    chafa_term_info_unref(terminal);
    chafa_canvas_unref(canvas);
    return bytes;
}

}  // namespace

PictureMode ChoosePictureMode(const TerminalCapabilities& capabilities) {
    if (capabilities.kittyGraphics) return PictureMode::Kitty;
    if (capabilities.iterm2Images) return PictureMode::Iterm2;
    if (capabilities.sixel) return PictureMode::Sixels;
    return PictureMode::Symbols;
}

CellRect FitPicture(int width, int height, const CellRect& area, CellPixels cell,
                    PictureMode mode) {
    if (width <= 0 || height <= 0 || area.Width() <= 0 || area.Height() <= 0) {
        return {area.top, area.left, area.top - 1, area.left - 1};
    }
    double scale = std::min(static_cast<double>(area.Width()) * cell.width / width,
                            static_cast<double>(area.Height()) * cell.height / height);
    if (mode != PictureMode::Symbols) scale = std::min(scale, 1.0);
    const auto cells = [scale](int pixels, int cellPixels, int room) {
        const auto count = std::lround(pixels * scale / cellPixels);
        return std::clamp(static_cast<int>(count), 1, room);
    };
    const int columns = cells(width, cell.width, area.Width());
    const int rows = cells(height, cell.height, area.Height());
    const int top = area.top + (area.Height() - rows) / 2;
    const int left = area.left + (area.Width() - columns) / 2;
    return {top, left, top + rows - 1, left + columns - 1};
}

std::string PictureBytes(const PictureView& picture, const CellRect& place, PictureMode mode,
                         ColourDepth colours, CellPixels cell) {
    const auto size = static_cast<std::size_t>(picture.width) * picture.height * 3;
    if (picture.width <= 0 || picture.height <= 0 || picture.rgb.size() < size ||
        place.Width() <= 0 || place.Height() <= 0) {
        return {};
    }
    if (mode == PictureMode::Sixels) {
        // As wide as the cells, as high as whole sixels fit in them.
        const int width = place.Width() * cell.width;
        const int height = place.Height() * cell.height / kSixelHeight * kSixelHeight;
        if (const std::optional<std::string> exact = ExactSixels(picture, width, height))
            return MoveTo(place.top, place.left) + *exact;
    }
    const std::string printed =
        ChafaOutput(picture, place.Width(), place.Height(), mode, colours, cell);
    if (mode != PictureMode::Symbols) return MoveTo(place.top, place.left) + printed;

    // Each row of symbols goes to its own place: the terminal is in raw mode, where a line end
    // does not return to the left edge.
    std::string bytes;
    std::size_t start = 0;
    for (int row = place.top; row <= place.bottom && start < printed.size(); ++row) {
        const std::size_t end = std::min(printed.find('\n', start), printed.size());
        bytes += MoveTo(row, place.left);
        bytes.append(printed, start, end - start);
        start = end + 1;
    }
    bytes += "\x1b[0m";
    return bytes;
}

}  // namespace gridlet
