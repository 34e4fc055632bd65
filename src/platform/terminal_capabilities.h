#pragma once
// What the terminal the program runs in can do beyond the 16-colour cells every terminal shows.

namespace gridlet {

struct TerminalCapabilities {
    bool mouse = false;          // it reports the mouse as xterm does
    bool trueColour = false;     // it shows 24-bit colour
    bool palette256 = false;     // it shows xterm's 256-colour palette
    bool clipboard = false;      // it answered the clipboard query, so it takes OSC 52
    bool kittyGraphics = false;  // kitty's graphics protocol
    bool sixel = false;          // sixel graphics
    bool iterm2Images = false;   // iTerm2's inline images
    int cellWidth = 0;           // a cell's pixels as the terminal told them; 0 when it did not
    int cellHeight = 0;
};

// The finest colours the terminal shows in a cell.
enum class ColourDepth { Attributes16, Palette256, TrueColour };

constexpr ColourDepth CellColourDepth(const TerminalCapabilities& capabilities) {
    if (capabilities.trueColour) return ColourDepth::TrueColour;
    if (capabilities.palette256) return ColourDepth::Palette256;
    return ColourDepth::Attributes16;
}

}  // namespace gridlet
