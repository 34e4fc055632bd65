#include "platform/system_clipboard.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <thread>

#include "platform/cp1252.h"
#include "platform/search_path.h"

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

using Clock = std::chrono::steady_clock;

int MillisecondsUntil(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    return static_cast<int>(std::max<std::int64_t>(0, left.count()));
}

// Writes as much as the program reads before the deadline, without blocking and without the
// SIGPIPE a reader that is gone would send; true when all of it went.
bool Feed(int fd, std::string_view bytes, Clock::time_point deadline) {
    sigset_t pipeSignal;
    sigset_t previous;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &previous);
    while (!bytes.empty()) {
        pollfd output{fd, POLLOUT, 0};
        const int ready = poll(&output, 1, MillisecondsUntil(deadline));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0 || (output.revents & (POLLERR | POLLHUP)) != 0) break;
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (written <= 0) break;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    const timespec noWait{0, 0};
    while (sigtimedwait(&pipeSignal, nullptr, &noWait) > 0) {
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    return bytes.empty();
}

// The program's exit status once it has ended, or nothing at the deadline.
std::optional<int> WaitForEnd(pid_t pid, Clock::time_point deadline) {
    constexpr std::chrono::milliseconds kLookEvery{5};
    for (;;) {
        int status = 0;
        const pid_t ended = waitpid(pid, &status, WNOHANG);
        if (ended == pid) return status;
        if (ended < 0 && errno != EINTR) return std::nullopt;
        if (Clock::now() >= deadline) return std::nullopt;
        std::this_thread::sleep_for(kLookEvery);
    }
}

// Runs the program with the text on its standard input for at most limitMs; its output goes to
// /dev/null, never onto the screen. True when it took all the text and ended with status 0; one
// still running at the limit is killed.
bool RunWithInput(const std::vector<std::string>& argv, std::string_view input, int limitMs) {
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(limitMs);
    std::array<int, 2> pipeFds{};
    if (pipe2(pipeFds.data(), O_CLOEXEC) != 0) return false;
    fcntl(pipeFds[1], F_SETFL, O_NONBLOCK);
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
    const bool fed = spawned == 0 && Feed(pipeFds[1], input, deadline);
    close(pipeFds[1]);
    if (spawned != 0) return false;
    const std::optional<int> status = WaitForEnd(pid, deadline);
    if (!status) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return false;
    }
    return fed && WIFEXITED(*status) && WEXITSTATUS(*status) == 0;
}

}  // namespace

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
    const bool desktop = !desktopTool_.empty() && RunWithInput(desktopTool_, utf8, toolLimitMs_);
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
