#include "platform/system_clipboard.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace gridlet {
namespace {

namespace fs = std::filesystem;

struct RecordingTerminal : TerminalControl {
    void SendControl(std::string_view bytes) override { sent += bytes; }
    std::string sent;
};

// A folder of stand-in programs, removed afterwards.
class ToolFolder {
  public:
    ToolFolder() {
        std::string pattern = (fs::temp_directory_path() / "gridlet-clipboard-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp");
        path = pattern;
    }
    ~ToolFolder() { fs::remove_all(path); }

    std::string Add(const std::string& name, const std::string& script, bool executable = true) {
        const fs::path file = path / name;
        std::ofstream(file) << "#!/bin/sh\n" << script << "\n";
        chmod(file.c_str(), executable ? 0755 : 0644);
        return file.string();
    }

    std::string Read(const std::string& name) const {
        std::ifstream in(path / name, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path path;
};

TEST(SystemClipboard, SendsTheTextAsUtf8InTheClipboardEscape) {
    RecordingTerminal terminal;
    SystemClipboard clipboard(terminal, {});
    clipboard.Empty();
    clipboard.SetText("Caf\xE9\r\n\x80 x");  // Windows-1252: é and the euro sign
    EXPECT_EQ(terminal.sent, "\x1b]52;c;Q2Fmw6kNCuKCrCB4\a");
}

TEST(SystemClipboard, EscapeCarriesEveryLengthWithItsPadding) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""}, {"A", "QQ=="}, {"AB", "QUI="}, {"ABC", "QUJD"}, {"ABCD", "QUJDRA=="}};
    for (const auto& [text, encoded] : cases) {
        RecordingTerminal terminal;
        SystemClipboard(terminal, {}).SetText(text);
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
    SystemClipboard clipboard(terminal, {tool, "-selection", "clipboard"});
    clipboard.SetText("Line \xE9\r\nnext\r\n");
    // The program has ended when SetText returns.
    EXPECT_EQ(tools.Read("received"), "Line \xC3\xA9\r\nnext\r\n");
    EXPECT_EQ(tools.Read("args"), "-selection clipboard\n");
    EXPECT_FALSE(terminal.sent.empty()) << "the escape goes out as well";
}

TEST(SystemClipboard, AProgramThatReadsNothingDoesNotEndTheProgram) {
    ToolFolder tools;
    const std::string tool = tools.Add("wl-copy", "exit 1");
    RecordingTerminal terminal;
    SystemClipboard clipboard(terminal, {tool});
    clipboard.SetText(std::string(1 << 20, 'x'));  // more than a pipe holds: the write fails
    EXPECT_GT(terminal.sent.size(), 1u << 20) << "still here, and the escape went out";
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
