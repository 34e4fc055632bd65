#pragma once
// What every command works with: the console, its screen kit, the design, the pass in progress
// and the services.

#include <functional>

#include "model/design.h"
#include "model/pass_state.h"
#include "platform/clipboard.h"
#include "platform/console.h"
#include "screen/screen.h"

namespace gridlet {

struct Context {
    Console& console;
    Screen& screen;
    Design& design;
    PassState& pass;
    Clipboard& clipboard;
    // The program composition and its output routes, which live in a layer above the tools; the
    // move menu's Preview runs them through here.
    std::function<void(Context&)> composeProgram;
};

}  // namespace gridlet
