#pragma once
// What every command works with: the console, its screen kit, the design, the pass in progress,
// the services and where outside programs are found.

#include <functional>

#include "model/design.h"
#include "model/pass_state.h"
#include "platform/clipboard.h"
#include "platform/console.h"
#include "platform/program_environment.h"
#include "screen/screen.h"

namespace gridlet {

struct Context {
    Console& console;
    Screen& screen;
    Design& design;
    PassState& pass;
    Clipboard& clipboard;
    const ProgramEnvironment& environment;
    // The program composition and its output routes, which live in a layer above the tools; the
    // move menu's Preview runs them through here.
    std::function<void(Context&)> composeProgram;
};

}  // namespace gridlet
