#pragma once
// A picture to show over the console's cells, and the ways a terminal can show one.

#include <cstdint>
#include <span>

#include "platform/cell_rect.h"
#include "platform/terminal_capabilities.h"

namespace gridlet {

// Rows from the top, three bytes a pixel (red, green, blue).
struct PictureView {
    int width = 0;
    int height = 0;
    std::span<const std::uint8_t> rgb;
};

enum class PictureMode {
    Symbols,  // Unicode block symbols in the colours the terminal has, which every terminal shows
    Sixels,
    Kitty,   // kitty's graphics protocol
    Iterm2,  // iTerm2's inline images
};

struct PictureRequest {
    PictureView picture;
    CellRect area;  // the picture is fitted into these cells, its proportions kept
    PictureMode mode = PictureMode::Symbols;
    ColourDepth colours = ColourDepth::TrueColour;  // of the symbols
};

}  // namespace gridlet
