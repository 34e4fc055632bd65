#pragma once
// An in-memory console backend for tests: input comes from a script, output is kept.

#include <deque>
#include <string>
#include <vector>

#include "platform/console_backend.h"

namespace gridlet {

// Thrown when the program waits for input after the script has run out; tests catch it to end a
// flow. Not a std::exception, so the program's own error trap lets it pass.
struct ScriptExhausted {};

class MemoryBackend : public ConsoleBackend {
public:
    void Script(InputEvent event) { script_.push_back(std::move(event)); }
    void Script(const std::vector<InputEvent>& events) {
        for (const auto& e : events) script_.push_back(e);
    }
    std::size_t Pending() const { return script_.size(); }

    void Present(const ScreenState& screen) override;
    std::optional<InputEvent> NextInput(int timeoutMs) override;
    void SetTitle(const std::string& title) override { titles.push_back(title); }
    void Beep() override { ++beeps; }

    int beeps = 0;
    int presents = 0;
    std::vector<std::string> titles;

private:
    std::deque<InputEvent> script_;
};

}  // namespace gridlet
