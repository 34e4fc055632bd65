#pragma once
// The desktop's clipboard, reached from a terminal: the clipboard escape (OSC 52) through the
// terminal's own output, which terminals and tmux pass to the desktop even over SSH, and, in a
// local desktop session, the session's clipboard program as well.

#include <string>
#include <vector>

#include "platform/clipboard.h"
#include "platform/terminal_control.h"

namespace gridlet {

class SystemClipboard : public Clipboard {
  public:
    // desktopTool: the argument vector of the desktop's clipboard program; empty for none.
    SystemClipboard(TerminalControl& terminal, std::vector<std::string> desktopTool);

    void Empty() override;
    void SetText(const std::string& text) override;

  private:
    TerminalControl& terminal_;
    std::vector<std::string> desktopTool_;
};

// The clipboard program of a desktop session: wl-copy under Wayland, xclip or xsel under X, the
// first found on the search path (a PATH-style list). Empty without a session or a program.
std::vector<std::string> DesktopClipboardTool(const char* waylandDisplay, const char* display,
                                              const char* searchPath);

// The same for this process's environment.
std::vector<std::string> DesktopClipboardTool();

}  // namespace gridlet
