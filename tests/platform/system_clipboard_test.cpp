#include "platform/system_clipboard.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "support/process_gone.h"
#include "support/temp_folder.h"

namespace gridlet {
namespace {

namespace fs = std::filesystem;

struct RecordingTerminal : TerminalControl {
    void SendControl(std::string_view bytes) override { sent += bytes; }
    std::string sent;
};

// A folder of stand-in programs, removed afterwards.
struct ToolFolder : TempFolder {
    std::string Add(const std::string& name, const std::string& script, bool executable = true) {
        const fs::path file = path / name;
        std::ofstream(file) << "#!/bin/sh\n" << script << "\n";
        chmod(file.c_str(), executable ? 0755 : 0644);
        return file.string();
    }
};

TEST(SystemClipboard, SendsTheTextAsUtf8InTheClipboardEscape) {
    RecordingTerminal terminal;
    SystemClipboard clipboard(terminal, false, {});
    clipboard.Empty();
    clipboard.SetText("Caf\xE9\r\n\x80 x");  // Windows-1252: é and the euro sign
    EXPECT_EQ(terminal.sent, "\x1b]52;c;Q2Fmw6kNCuKCrCB4\a");
}

TEST(SystemClipboard, EscapeCarriesEveryLengthWithItsPadding) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""}, {"A", "QQ=="}, {"AB", "QUI="}, {"ABC", "QUJD"}, {"ABCD", "QUJDRA=="}};
    for (const auto& [text, encoded] : cases) {
        RecordingTerminal terminal;
        SystemClipboard(terminal, false, {}).SetText(text);
        EXPECT_EQ(terminal.sent, std::string("\x1b]52;c;") + encoded + "\a") << text;
    }
}

TEST(SystemClipboard, HandsTheTextToTheDesktopProgramOnItsInput) {
    ToolFolder tools;
    const std::string tool = tools.Add("xclip",
                                       "echo \"$@\" > \"$(dirname \"$0\")/args\"\n"
                                       "cat > \"$(dirname \"$0\")/received\"\n"
                                       "echo noise; echo noise >&2");
    RecordingTerminal terminal;
    SystemClipboard clipboard(terminal, false, {tool, "-selection", "clipboard"});
    EXPECT_TRUE(clipboard.SetText("Line \xE9\r\nnext\r\n"));
    // The program has ended when SetText returns.
    EXPECT_EQ(tools.Read("received"), "Line \xC3\xA9\r\nnext\r\n");
    EXPECT_EQ(tools.Read("args"), "-selection clipboard\n");
    EXPECT_FALSE(terminal.sent.empty()) << "the escape goes out as well";
}

struct ReachCase {
    const char* name;
    bool terminalTakesIt;
    const char* tool;  // the stand-in program's script; null for none
    bool reached;
};

// The text reaches a clipboard through a terminal that answered the clipboard query, or through
// a program that takes it all and ends well in its time.
TEST(SystemClipboard, SaysWhetherTheTextReachedAClipboard) {
    const ReachCase cases[] = {
        {"no terminal clipboard, no program", false, nullptr, false},
        {"the terminal takes it", true, nullptr, true},
        {"a program that takes it", false, "cat > /dev/null", true},
        {"a program that fails", false, "cat > /dev/null; exit 1", false},
        {"a program that reads nothing and fails", false, "exit 1", false},
        {"a program that never ends", false, "echo $$ > pid; exec sleep 60", false},
        {"a program that never reads", false, "echo $$ > pid; exec sleep 60 < /dev/null", false},
        {"a program whose own child never ends", false, "sleep 60 & echo $! > pid; wait", false},
        {"the terminal takes it, the program fails", true, "exit 1", true},
    };
    for (const ReachCase& c : cases) {
        SCOPED_TRACE(c.name);
        ToolFolder tools;
        std::vector<std::string> tool;
        if (c.tool != nullptr)
            tool = {tools.Add("xclip", std::string("cd \"$(dirname \"$0\")\"\n") + c.tool)};
        RecordingTerminal terminal;
        SystemClipboard clipboard(terminal, c.terminalTakesIt, tool, 300);
        EXPECT_EQ(clipboard.Reachable(), c.terminalTakesIt || c.tool != nullptr);
        // More than a pipe holds, so a program that does not read would block a plain write.
        EXPECT_EQ(clipboard.SetText(std::string(1 << 20, 'x')), c.reached);
        EXPECT_GT(terminal.sent.size(), 1u << 20) << "the escape went out";
        const std::string pid = tools.Read("pid");
        if (!pid.empty()) {
            EXPECT_TRUE(GoneWithin(std::stoi(pid))) << "the program was left running";
        }
    }
    sigset_t blocked;
    pthread_sigmask(SIG_BLOCK, nullptr, &blocked);
    EXPECT_FALSE(sigismember(&blocked, SIGPIPE)) << "the signal mask is as it was";
}

TEST(SystemClipboard, FindsTheDesktopSessionsProgram) {
    ToolFolder tools;
    const std::string wlCopy = tools.Add("wl-copy", "");
    const std::string xsel = tools.Add("xsel", "");
    tools.Add("xclip", "", false);  // not executable: not a program
    const std::string path = "/nonexistent::" + tools.path.string();

    EXPECT_EQ(DesktopClipboardTool("wayland-0", ":0", path.c_str()),
              std::vector<std::string>({wlCopy}));
    EXPECT_EQ(DesktopClipboardTool(nullptr, ":0", path.c_str()),
              std::vector<std::string>({xsel, "--clipboard", "--input"}));
    EXPECT_EQ(DesktopClipboardTool("", "", path.c_str()), std::vector<std::string>{})
        << "no desktop session";
    EXPECT_EQ(DesktopClipboardTool(nullptr, ":0", "/nonexistent"), std::vector<std::string>{});

    const std::string xclip = tools.Add("xclip", "");
    EXPECT_EQ(DesktopClipboardTool(nullptr, ":0", path.c_str()),
              std::vector<std::string>({xclip, "-selection", "clipboard"}));
}

}  // namespace
}  // namespace gridlet
