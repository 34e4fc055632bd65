#pragma once
// Turns the bytes a terminal sends into the program's input events: keys, the extended keys the
// program knows (F1, arrows) and SGR mouse reports. Bytes may arrive in any pieces.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/console_backend.h"

namespace gridlet {

class InputDecoder {
  public:
    // terminfoF1: the terminal's own F1 sequence, when its description has one.
    explicit InputDecoder(std::string terminfoF1 = {});

    // Takes the bytes just read; gives the events they complete. An unfinished sequence waits for
    // the next bytes.
    std::vector<InputEvent> Feed(std::string_view bytes);

    // A lone Esc is waiting: only the absence of further bytes tells the Esc key from the start of
    // a sequence, so the reader calls FlushPendingEscape after a short quiet time.
    bool EscapePending() const { return pending_ == "\x1b"; }
    std::optional<InputEvent> FlushPendingEscape();

  private:
    std::string pending_;
    std::string terminfoF1_;
};

}  // namespace gridlet
