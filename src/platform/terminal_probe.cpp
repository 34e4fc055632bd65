#include "platform/terminal_probe.h"

#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdlib>

#include "platform/program_environment.h"
#include "platform/write_all.h"

namespace gridlet {
namespace {

// What is kept of the answers at most; past it, of a long clipboard answer only its end counts.
constexpr std::size_t kMostAnswerBytes = 1 << 16;

// ESC [ ? numbers c, wherever it stands among the other answers.
std::optional<std::vector<int>> DeviceAttributes(std::string_view bytes) {
    constexpr std::string_view kIntroducer = "\x1b[?";
    for (std::size_t pos = bytes.find(kIntroducer); pos != std::string_view::npos;
         pos = bytes.find(kIntroducer, pos + 1)) {
        std::vector<int> numbers{0};
        std::size_t i = pos + kIntroducer.size();
        for (; i < bytes.size() &&
               (std::isdigit(static_cast<unsigned char>(bytes[i])) || bytes[i] == ';');
             ++i) {
            if (bytes[i] == ';') {
                numbers.push_back(0);
            } else {
                numbers.back() = std::min(numbers.back() * 10 + (bytes[i] - '0'), 99999);
            }
        }
        if (i < bytes.size() && bytes[i] == 'c') return numbers;
    }
    return std::nullopt;
}

std::string TerminalVersion(std::string_view bytes) {
    constexpr std::string_view kIntroducer = "\x1bP>|";
    const std::size_t start = bytes.find(kIntroducer);
    if (start == std::string_view::npos) return {};
    const std::size_t text = start + kIntroducer.size();
    const std::size_t end = std::min(bytes.find("\x1b\\", text), bytes.size());
    return std::string(bytes.substr(text, end - text));
}

// The device attributes are answered last, except by xterm, which ends its clipboard answer only
// when the selection comes from the X server, after the other answers. So that the rest of that
// answer is not read later as typed keys, the wait goes on until its BEL has come too.
bool AnswersComplete(std::string_view bytes) {
    if (!DeviceAttributes(bytes)) return false;
    const std::size_t clipboard = bytes.find("\x1b]52;");
    return clipboard == std::string_view::npos ||
           bytes.find('\a', clipboard) != std::string_view::npos;
}

// Sends the queries in raw mode and reads until all is answered or the time is up; the terminal's
// settings are put back.
std::string ReadProbeAnswers(int inFd, int outFd, std::string_view queries, int timeoutMs) {
    termios original{};
    if (tcgetattr(inFd, &original) != 0) return {};
    termios raw = original;
    cfmakeraw(&raw);
    tcsetattr(inFd, TCSANOW, &raw);
    std::string answers;
    if (WriteAll(outFd, queries.data(), queries.size())) {
        using Clock = std::chrono::steady_clock;
        const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
        while (!AnswersComplete(answers)) {
            const auto left =
                std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
            if (left <= 0) break;
            pollfd input{inFd, POLLIN, 0};
            const int ready = poll(&input, 1, static_cast<int>(left));
            if (ready < 0 && errno == EINTR) continue;
            if (ready <= 0) break;
            char buffer[4096];
            const ssize_t count = read(inFd, buffer, sizeof buffer);
            if (count <= 0) break;
            const std::string_view piece(buffer, static_cast<std::size_t>(count));
            if (answers.size() < kMostAnswerBytes) {
                answers += piece;
            } else if (piece.find('\a') != std::string_view::npos) {
                answers += '\a';
            }
        }
    }
    tcsetattr(inFd, TCSANOW, &original);
    return answers;
}

// ESC [ 6 ; height ; width t: the cell size in pixels.
void ReadCellSize(std::string_view bytes, ProbeAnswers& answers) {
    constexpr std::string_view kIntroducer = "\x1b[6;";
    for (std::size_t pos = bytes.find(kIntroducer); pos != std::string_view::npos;
         pos = bytes.find(kIntroducer, pos + 1)) {
        int numbers[2] = {0, 0};
        int field = 0;
        std::size_t i = pos + kIntroducer.size();
        for (; i < bytes.size() && field < 2; ++i) {
            const char c = bytes[i];
            if (std::isdigit(static_cast<unsigned char>(c))) {
                numbers[field] = std::min(numbers[field] * 10 + (c - '0'), 99999);
            } else if (c == ';' && field == 0) {
                field = 1;
            } else {
                break;
            }
        }
        if (field == 1 && i < bytes.size() && bytes[i] == 't' && numbers[0] > 0 && numbers[1] > 0) {
            answers.cellHeight = numbers[0];
            answers.cellWidth = numbers[1];
            return;
        }
    }
}

}  // namespace

ProbeAnswers ParseProbeAnswers(std::string_view bytes) {
    ProbeAnswers answers;
    answers.deviceAttributes = DeviceAttributes(bytes);
    answers.clipboard = bytes.find("\x1b]52;") != std::string_view::npos;
    answers.kittyGraphics = bytes.find("\x1b_Gi=31;OK") != std::string_view::npos;
    answers.version = TerminalVersion(bytes);
    ReadCellSize(bytes, answers);
    return answers;
}

TerminalEnvironment EnvironmentOfThisProcess() {
    return TerminalEnvironment{EnvironmentVariable("TERM"), EnvironmentVariable("COLORTERM"),
                               EnvironmentVariable("TERM_PROGRAM"),
                               EnvironmentVariable("XTERM_VERSION")};
}

// A terminal that did not answer the first queries would leave this one unanswered too. xterm
// names itself in its version answer; one too old to answer it is known by its variable, which a
// terminal that does answer (tmux started from xterm, say) may have inherited.
bool AsksForClipboard(const TerminalEnvironment& environment, const ProbeAnswers& answers) {
    if (!answers.deviceAttributes) return false;
    if (!answers.version.empty()) return !answers.version.starts_with("XTerm(");
    return environment.xtermVersion.empty();
}

// The terminal database decides first: no terminal named, a dumb one, the Linux console, or one
// whose description has no mouse. Then the device attributes: a VT102 is what the Linux console
// says it is, whatever TERM claims. A terminal that does not answer is given the benefit of the
// doubt.
std::string MouseRefusal(const TerminalEnvironment& environment,
                         const TerminalDescription& description, const ProbeAnswers& answers) {
    const std::string term = environment.term;
    const bool linuxConsole = term.rfind("linux", 0) == 0 ||
                              (answers.deviceAttributes && answers.deviceAttributes->front() == 6);
    const bool refused = term.empty() || term == "dumb" || linuxConsole ||
                         (description.found && !description.mouseReports);
    if (!refused) return {};
    const std::string name = term.empty() ? "TERM not set" : "TERM=" + term;
    return "this terminal (" + name +
           ") cannot report the mouse; run Gridlet in xterm, GNOME Terminal, Konsole, kitty, "
           "tmux or screen";
}

TerminalCapabilities DecideCapabilities(const TerminalEnvironment& environment,
                                        const TerminalDescription& description,
                                        const ProbeAnswers& answers) {
    TerminalCapabilities capabilities;
    capabilities.mouse = MouseRefusal(environment, description, answers).empty();
    capabilities.trueColour = environment.colorTerm == "truecolor" ||
                              environment.colorTerm == "24bit" || description.directColour;
    capabilities.palette256 = description.colours >= 256;
    capabilities.clipboard = answers.clipboard;
    capabilities.kittyGraphics = answers.kittyGraphics;
    capabilities.cellWidth = answers.cellWidth;
    capabilities.cellHeight = answers.cellHeight;
    if (answers.deviceAttributes) {
        const std::vector<int>& numbers = *answers.deviceAttributes;
        capabilities.sixel = std::find(numbers.begin() + 1, numbers.end(), 4) != numbers.end();
    }
    const auto versionNames = [&](std::string_view name) {
        return answers.version.find(name) != std::string::npos;
    };
    capabilities.iterm2Images = environment.termProgram == "iTerm.app" ||
                                environment.termProgram == "WezTerm" || versionNames("iTerm2") ||
                                versionNames("WezTerm");
    return capabilities;
}

TerminalCheck CheckTerminal(int inFd, int outFd, const TerminalEnvironment& environment,
                            int answerTimeoutMs) {
    if (!isatty(inFd) || !isatty(outFd)) return TerminalCheck{kNotATerminal, {}};
    const TerminalDescription description = LoadTerminalDescription(
        outFd, environment.term.empty() ? "dumb" : environment.term.c_str());
    // Refused already by its name or description: no query is sent to it.
    std::string refusal = MouseRefusal(environment, description, ProbeAnswers{});
    if (!refusal.empty()) return TerminalCheck{refusal, {}};
    ProbeAnswers answers =
        ParseProbeAnswers(ReadProbeAnswers(inFd, outFd, kProbeQueries, answerTimeoutMs));
    if (AsksForClipboard(environment, answers)) {
        answers.clipboard =
            ParseProbeAnswers(ReadProbeAnswers(inFd, outFd, kClipboardQuery, answerTimeoutMs))
                .clipboard;
    }
    refusal = MouseRefusal(environment, description, answers);
    return TerminalCheck{refusal, DecideCapabilities(environment, description, answers)};
}

}  // namespace gridlet
