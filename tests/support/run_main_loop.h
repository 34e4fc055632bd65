#pragma once
// The main loop on a scripted console.

#include "app/main_loop.h"
#include "platform/memory_backend.h"

namespace gridlet {

// Runs passes until the script runs out; true when the program ended by itself.
inline bool RunMainLoop(Context& context) {
    MainLoop loop(context);
    try {
        loop.Run();
        return true;
    } catch (ScriptExhausted) {
        return false;
    }
}

}  // namespace gridlet
