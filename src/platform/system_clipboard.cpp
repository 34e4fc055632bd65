#include "platform/system_clipboard.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/base64.h"
#include "platform/cp1252.h"
#include "platform/processes.h"
#include "platform/search_path.h"

namespace gridlet {

SystemClipboard::SystemClipboard(TerminalControl& terminal, bool terminalTakesIt,
                                 std::vector<std::string> desktopTool, int toolLimitMs)
    : terminal_(terminal),
      terminalTakesIt_(terminalTakesIt),
      desktopTool_(std::move(desktopTool)),
      toolLimitMs_(toolLimitMs) {}

// Neither the clipboard escape nor the desktop programs have an "empty"; the text that always
// follows replaces what the clipboard held.
void SystemClipboard::Empty() {}

// The escape always goes out: a terminal may take it without answering the query.
bool SystemClipboard::SetText(const std::string& text) {
    const std::string utf8 = Cp1252ToUtf8(text);
    terminal_.SendControl("\x1b]52;c;" + Base64(utf8) + "\a");
    const bool desktop =
        !desktopTool_.empty() && RunAndWait(desktopTool_, ProgramOutput::Discarded,
                                            std::chrono::milliseconds(toolLimitMs_), utf8)
                                     .Succeeded();
    return terminalTakesIt_ || desktop;
}

std::vector<std::string> DesktopClipboardTool(const char* waylandDisplay, const char* display,
                                              const char* searchPath) {
    const auto present = [](const char* value) { return value != nullptr && *value != '\0'; };
    const std::string_view path = present(searchPath) ? searchPath : "";
    std::vector<std::vector<std::string>> candidates;
    if (present(waylandDisplay)) candidates.push_back({"wl-copy"});
    if (present(display)) {
        candidates.push_back({"xclip", "-selection", "clipboard"});
        candidates.push_back({"xsel", "--clipboard", "--input"});
    }
    for (auto& candidate : candidates) {
        std::string program = FindOnPath(candidate[0], path);
        if (program.empty()) continue;
        candidate[0] = std::move(program);
        return candidate;
    }
    return {};
}

std::vector<std::string> DesktopClipboardTool() {
    return DesktopClipboardTool(std::getenv("WAYLAND_DISPLAY"), std::getenv("DISPLAY"),
                                std::getenv("PATH"));
}

}  // namespace gridlet
