#pragma once
// The main loop and start-up on a scripted console.

#include <optional>

#include "app/main_loop.h"
#include "app/startup.h"
#include "doubles/memory_backend.h"

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

// Runs start-up until the script runs out.
inline void RunStartUp(Context& context, const std::optional<GivenDesign>& given = std::nullopt) {
    MainLoop loop(context);
    try {
        StartUp(context, loop, given);
    } catch (ScriptExhausted) {
    }
}

}  // namespace gridlet
