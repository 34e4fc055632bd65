#pragma once
// A scripted backend that keeps the screen it was last asked to show, so a test can see a pop-up
// while the program waits and can click on what the pop-up shows.

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "doubles/memory_backend.h"
#include "platform/console.h"
#include "platform/input_events.h"

namespace gridlet {

class LookingBackend : public MemoryBackend {
  public:
    void Present(const ScreenState& screen) override {
        shown = screen.cells;
        MemoryBackend::Present(screen);
    }

    // Lazy steps run before the plain script, each when the program asks for input.
    std::optional<InputEvent> NextInput(int timeoutMs) override {
        if (steps_.empty()) return MemoryBackend::NextInput(timeoutMs);
        auto step = std::move(steps_.front());
        steps_.pop_front();
        return step();
    }

    void Then(InputEvent event) {
        steps_.push_back([event] { return event; });
    }

    // Moves to the first place that shows the text at that moment, then presses the button there.
    void ClickOn(std::string text, int button = kLeftButton) {
        steps_.push_back([this, text] {
            const auto [row, col] = Find(text);
            return MoveEvent(row, col);
        });
        steps_.push_back([this, text, button] {
            const auto [row, col] = Find(text);
            return PressEvent(row, col, button);
        });
    }

    // Row and column of the first cell of the text on the shown screen; (0, 0) and a failure if
    // absent.
    std::pair<int, int> Find(std::string_view text) const {
        for (int row = 1; row <= kScreenHeight; ++row) {
            for (int col = 1; col + static_cast<int>(text.size()) - 1 <= kScreenWidth; ++col) {
                if (ShowsAt(row, col, text)) return {row, col};
            }
        }
        ADD_FAILURE() << "not on the screen: " << text;
        return {0, 0};
    }

    bool ShowsAt(int row, int col, std::string_view text) const {
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (Shown(row, col + static_cast<int>(i)).ch != static_cast<unsigned char>(text[i]))
                return false;
        }
        return true;
    }

    Cell Shown(int row, int col) const {
        return shown.at(static_cast<std::size_t>((row - 1) * kScreenWidth + (col - 1)));
    }

    std::vector<Cell> shown;

  private:
    std::deque<std::function<InputEvent()>> steps_;
};

}  // namespace gridlet
