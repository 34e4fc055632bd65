#pragma once
// An in-memory console backend for tests: input comes from a script, output is kept.

#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/console_backend.h"

namespace gridlet {

// Thrown when the program waits for input after the script has run out; tests catch it to end a
// flow. Not a std::exception, so the program's own error trap lets it pass.
struct ScriptExhausted {};

class MemoryBackend : public ConsoleBackend {
  public:
    void Script(const InputEvent& event);
    void Script(const std::vector<InputEvent>& events);
    // The next read gets this event, before the rest of the script.
    void ScriptFirst(const InputEvent& event);
    // The read at this point of the script fails with a run-time error of this number.
    void ScriptError(int errorNumber);
    // The read at this point of the script throws this error.
    void ScriptThrow(std::exception_ptr error);
    std::size_t Pending() const { return script_.size(); }

    void Present(const ScreenState& screen) override;
    std::optional<InputEvent> NextInput(int timeoutMs) override;
    void SetTitle(const std::string& title) override { titles.push_back(title); }
    void Beep() override { ++beeps; }
    void ShowPicture(const PictureRequest& request) override;
    void HidePicture() noexcept override { ++picturesHidden; }
    void Suspend() override { ++suspends; }
    void Resume() noexcept override { ++resumes; }

    // What ShowPicture was given, the pixels copied.
    struct ShownPicture {
        int width = 0;
        int height = 0;
        std::vector<std::uint8_t> rgb;
        CellRect area;
        PictureMode mode = PictureMode::Symbols;
    };

    // Called with every screen the program shows.
    std::function<void(const ScreenState&)> onPresent;
    int beeps = 0;
    int presents = 0;
    std::vector<std::string> titles;
    std::vector<ShownPicture> pictures;
    int picturesHidden = 0;
    int suspends = 0;
    int resumes = 0;

  private:
    struct Step {
        std::optional<InputEvent> event;
        std::exception_ptr error;
    };
    std::deque<Step> script_;
};

}  // namespace gridlet
