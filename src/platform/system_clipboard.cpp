#include "platform/system_clipboard.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <string_view>

#include "platform/cp1252.h"

extern char** environ;

namespace gridlet {
namespace {

std::string Base64(std::string_view bytes) {
    static constexpr std::string_view kDigits =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t count = std::min<std::size_t>(3, bytes.size() - i);
        std::uint32_t group = 0;
        for (std::size_t j = 0; j < 3; ++j) {
            const auto byte = j < count ? static_cast<unsigned char>(bytes[i + j]) : 0u;
            group = (group << 8) | byte;
        }
        for (std::size_t j = 0; j < 4; ++j) {
            out += j <= count ? kDigits[(group >> (18 - 6 * j)) & 0x3F] : '=';
        }
    }
    return out;
}

std::string FindOnPath(std::string_view name, std::string_view searchPath) {
    while (!searchPath.empty()) {
        const std::size_t colon = std::min(searchPath.find(':'), searchPath.size());
        const std::string_view dir = searchPath.substr(0, colon);
        searchPath.remove_prefix(std::min(colon + 1, searchPath.size()));
        if (dir.empty()) continue;
        std::string candidate = std::string(dir) + "/" + std::string(name);
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return {};
}

void WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return;  // the program stopped reading: nothing more to hand over
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

// Writes to a pipe whose reader may be gone, without the SIGPIPE that would end the program.
void WriteToPipe(int fd, std::string_view bytes) {
    sigset_t pipeSignal;
    sigset_t previous;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &previous);
    WriteAll(fd, bytes);
    const timespec noWait{0, 0};
    while (sigtimedwait(&pipeSignal, nullptr, &noWait) > 0) {
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}

// Runs the program with the text on its standard input and waits for it. Its output goes to
// /dev/null, never onto the screen. Failures are not reported: the clipboard escape went out too.
void RunWithInput(const std::vector<std::string>& argv, std::string_view input) {
    std::array<int, 2> pipeFds{};
    if (pipe2(pipeFds.data(), O_CLOEXEC) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[0], STDIN_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[0]);
    if (spawned == 0) WriteToPipe(pipeFds[1], input);
    close(pipeFds[1]);
    if (spawned != 0) return;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

}  // namespace

SystemClipboard::SystemClipboard(TerminalControl& terminal, std::vector<std::string> desktopTool)
    : terminal_(terminal), desktopTool_(std::move(desktopTool)) {}

// Neither the clipboard escape nor the desktop programs have an "empty"; the text that always
// follows replaces what the clipboard held.
void SystemClipboard::Empty() {}

void SystemClipboard::SetText(const std::string& text) {
    const std::string utf8 = Cp1252ToUtf8(text);
    terminal_.SendControl("\x1b]52;c;" + Base64(utf8) + "\a");
    if (!desktopTool_.empty()) RunWithInput(desktopTool_, utf8);
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
