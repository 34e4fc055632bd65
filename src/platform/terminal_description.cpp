#include "platform/terminal_description.h"

// term.h defines a macro for every capability name, so it stays inside this file.
#include <curses.h>
#include <term.h>

namespace gridlet {
namespace {

std::string StringCapability(const char* name, const char* fallback) {
    const char* value = tigetstr(const_cast<char*>(name));
    if (value == nullptr || value == reinterpret_cast<const char*>(-1) || *value == '\0') {
        return fallback;
    }
    return value;
}

}  // namespace

TerminalDescription LoadTerminalDescription(int fd) {
    constexpr const char* kXtermEnter = "\x1b[?1049h";
    constexpr const char* kXtermLeave = "\x1b[?1049l";
    int error = 0;
    if (setupterm(nullptr, fd, &error) != OK)
        return TerminalDescription{"", kXtermEnter, kXtermLeave};
    TerminalDescription description{StringCapability("kf1", ""),
                                    StringCapability("smcup", kXtermEnter),
                                    StringCapability("rmcup", kXtermLeave)};
    del_curterm(cur_term);
    return description;
}

}  // namespace gridlet
