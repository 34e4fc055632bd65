#include "platform/terminal_description.h"

#include <algorithm>

// term.h defines a macro for every capability name, so it stays inside this file.
#include <curses.h>
#include <term.h>

namespace gridlet {
namespace {

bool Present(const char* value) {
    return value != nullptr && value != reinterpret_cast<const char*>(-1) && *value != '\0';
}

std::string StringCapability(const char* name, const char* fallback) {
    const char* value = tigetstr(const_cast<char*>(name));
    return Present(value) ? value : fallback;
}

// RGB is a flag, a number or a string in different descriptions; Tc is tmux's flag.
bool HasDirectColour() {
    return tigetflag(const_cast<char*>("RGB")) > 0 || tigetnum(const_cast<char*>("RGB")) > 0 ||
           Present(tigetstr(const_cast<char*>("RGB"))) || tigetflag(const_cast<char*>("Tc")) > 0;
}

}  // namespace

TerminalDescription LoadTerminalDescription(int fd, const char* term) {
    constexpr const char* kXtermEnter = "\x1b[?1049h";
    constexpr const char* kXtermLeave = "\x1b[?1049l";
    int error = 0;
    if (setupterm(term, fd, &error) != OK) {
        TerminalDescription unknown;
        unknown.enterAlternate = kXtermEnter;
        unknown.leaveAlternate = kXtermLeave;
        return unknown;
    }
    TerminalDescription description{
        true,
        StringCapability("kf1", ""),
        StringCapability("smcup", kXtermEnter),
        StringCapability("rmcup", kXtermLeave),
        Present(tigetstr(const_cast<char*>("kmous"))) || Present(tigetstr(const_cast<char*>("XM"))),
        HasDirectColour(),
        std::max(tigetnum(const_cast<char*>("colors")), 0),
    };
    del_curterm(cur_term);
    return description;
}

}  // namespace gridlet
