#include "platform/memory_backend.h"

namespace gridlet {

void MemoryBackend::Present(const ScreenState&) { ++presents; }

std::optional<InputEvent> MemoryBackend::NextInput(int) {
    if (script_.empty()) throw ScriptExhausted{};
    InputEvent event = std::move(script_.front());
    script_.pop_front();
    return event;
}

}  // namespace gridlet
