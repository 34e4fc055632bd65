#pragma once
// What a command works with: the console, its screen kit, the design, the pass in progress, the
// services and where outside programs are found. Commands take the context; the steps they are
// made of take the parts they use.

#include <functional>

#include "model/design.h"
#include "model/output_request.h"
#include "model/pass_state.h"
#include "model/sections.h"
#include "platform/clipboard.h"
#include "platform/console.h"
#include "platform/program_environment.h"
#include "screen/screen.h"

namespace gridlet {

struct Context;

// The program composition and its output routes, which live in a layer above the tools; the move
// menu's Preview runs them through here. Gives the sections it composed.
using ComposeFunction = std::function<SectionTable(Context&, const OutputRequest&)>;

struct Context {
    Console& console;
    Screen& screen;
    Design& design;
    PassState& pass;
    Clipboard& clipboard;
    const ProgramEnvironment& environment;
    ComposeFunction composeProgram;
};

}  // namespace gridlet
