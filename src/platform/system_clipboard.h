#pragma once
// The desktop's clipboard, reached from a terminal: the clipboard escape (OSC 52) through the
// terminal's own output, which terminals and tmux pass to the desktop even over SSH, and, in a
// local desktop session, the session's clipboard program as well. The text has reached a
// clipboard when the terminal is known to take the escape (it answered the clipboard query) or
// when the program took it all and ended well within its time.

#include <string>
#include <vector>

#include "platform/clipboard.h"
#include "platform/terminal_control.h"

namespace gridlet {

class SystemClipboard : public Clipboard {
  public:
    // terminalTakesIt: the terminal answered the clipboard query. desktopTool: the argument vector
    // of the desktop's clipboard program; empty for none. toolLimitMs: how long that program is
    // given; one still running then is killed with its process group and counts as failed.
    SystemClipboard(TerminalControl& terminal, bool terminalTakesIt,
                    std::vector<std::string> desktopTool, int toolLimitMs = 2000);

    void Empty() override;
    bool SetText(const std::string& text) override;

    // Whether any clipboard can be reached at all: the terminal's or a desktop program.
    bool Reachable() const { return terminalTakesIt_ || !desktopTool_.empty(); }

  private:
    TerminalControl& terminal_;
    bool terminalTakesIt_;
    std::vector<std::string> desktopTool_;
    int toolLimitMs_;
};

// The clipboard program of a desktop session: wl-copy under Wayland, xclip or xsel under X, the
// first found on the search path (a PATH-style list). Empty without a session or a program.
std::vector<std::string> DesktopClipboardTool(const char* waylandDisplay, const char* display,
                                              const char* searchPath);

// The same for this process's environment.
std::vector<std::string> DesktopClipboardTool();

}  // namespace gridlet
