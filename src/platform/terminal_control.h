#pragma once
// Control strings that must reach the terminal through the program's own output, in order with
// the screen updates (the clipboard escape, for one).

#include <string_view>

namespace gridlet {

class TerminalControl {
  public:
    virtual ~TerminalControl() = default;
    virtual void SendControl(std::string_view bytes) = 0;
};

}  // namespace gridlet
