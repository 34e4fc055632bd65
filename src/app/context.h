#pragma once
// What every command works with: the console, its screen kit, the design and the services.

#include "design/design_state.h"
#include "platform/clipboard.h"
#include "platform/console.h"
#include "screen/screen.h"

namespace gridlet {

struct Context {
    Console& console;
    Screen& screen;
    DesignState& state;
    Clipboard& clipboard;
};

}  // namespace gridlet
