#pragma once
// What the menus and dialogs remember from one use to the next, for the whole run.

#include <cstdint>
#include <string>

namespace gridlet {

struct DialogMemory {
    std::int32_t moveStep = 0;   // the move menu's step in pixels, 0 for one
    std::string lastChosenPath;  // the file chooser's latest result, named in the next title
    std::string helpSelection;   // the help page chosen last, offered again at the next opening
};

}  // namespace gridlet
