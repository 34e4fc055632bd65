#pragma once
// What the terminal the program runs in can do beyond the 16-colour cells every terminal shows.

namespace gridlet {

struct TerminalCapabilities {
    bool mouse = false;          // it reports the mouse as xterm does
    bool trueColour = false;     // it shows 24-bit colour
    bool clipboard = false;      // it answered the clipboard query, so it takes OSC 52
    bool kittyGraphics = false;  // kitty's graphics protocol
    bool sixel = false;          // sixel graphics
    bool iterm2Images = false;   // iTerm2's inline images
    int cellWidth = 0;           // a cell's pixels as the terminal told them; 0 when it did not
    int cellHeight = 0;
};

}  // namespace gridlet
