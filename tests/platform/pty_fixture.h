#pragma once
// A pseudo-terminal for testing what the program writes to a terminal and reads from it: the
// program side is `slave`, the test plays the terminal on `master`. Output is read on demand, with
// no thread, so a test may fork the program side (ChildProgram).

#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "platform/console.h"

namespace gridlet {

// How long a test waits for what must come: long, so a loaded machine does not fail it; a wait
// ends as soon as what it waits for is there.
constexpr int kWaitMs = 20000;

// What the program sends to switch mouse reports and bracketed paste on, and to give the terminal
// back with the normal screen.
constexpr const char* kInputModesOnBytes = "\x1b[?1003h\x1b[?1006h\x1b[?2004h";
constexpr const char* kRestoreBytes = "\x1b[?2004l\x1b[?1006l\x1b[?1003l\x1b[0m\x1b[?25h";
constexpr const char* kRestoreAndLeaveBytes =
    "\x1b[?2004l\x1b[?1006l\x1b[?1003l\x1b[0m\x1b[?25h\x1b[?1049l";

// Shows a whole screen of one character, white on blue, as a program on the pty would.
inline void PresentScreenOf(ConsoleBackend& backend, char ch) {
    const std::vector<Cell> cells(kScreenWidth * kScreenHeight,
                                  Cell{static_cast<std::uint8_t>(ch), 0x1F});
    backend.Present(ScreenState{cells, 1, 1, false});
}

class Pty {
  public:
    Pty(int columns, int rows) {
        winsize size{static_cast<unsigned short>(rows), static_cast<unsigned short>(columns), 0, 0};
        if (openpty(&master, &slave, nullptr, nullptr, &size) != 0) {
            throw std::runtime_error("openpty");
        }
        tcgetattr(slave, &original);
    }
    ~Pty() {
        close(slave);
        close(master);
    }

    // Everything the program side wrote so far.
    const std::string& Output() {
        char buffer[4096];
        pollfd output{master, POLLIN, 0};
        while (poll(&output, 1, 0) > 0) {
            const ssize_t count = read(master, buffer, sizeof buffer);
            if (count <= 0) break;
            output_.append(buffer, static_cast<std::size_t>(count));
        }
        return output_;
    }
    std::size_t OutputSize() { return Output().size(); }

    // Waits until the output after `from` holds text; true when it came within the time.
    bool WaitForOutput(const std::string& text, std::size_t from = 0, int timeoutMs = kWaitMs) {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        for (;;) {
            const std::string& output = Output();
            if (output.size() > from && output.find(text, from) != std::string::npos) return true;
            if (std::chrono::steady_clock::now() >= deadline) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }

    // Types or reports something, as the terminal would.
    void Send(const std::string& bytes) const {
        if (write(master, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
            throw std::runtime_error("write to pty");
        }
    }

    void Resize(int columns, int rows, int xPixels = 0, int yPixels = 0) const {
        winsize size{static_cast<unsigned short>(rows), static_cast<unsigned short>(columns),
                     static_cast<unsigned short>(xPixels), static_cast<unsigned short>(yPixels)};
        ioctl(master, TIOCSWINSZ, &size);
    }

    termios Mode() const {
        termios mode{};
        tcgetattr(slave, &mode);
        return mode;
    }
    // The program side has the settings it had before the program changed them.
    bool ModeRestored() const {
        const termios mode = Mode();
        return mode.c_iflag == original.c_iflag && mode.c_oflag == original.c_oflag &&
               mode.c_lflag == original.c_lflag && mode.c_cflag == original.c_cflag;
    }

    // Input the program side has not read yet.
    int PendingInput() const {
        int count = 0;
        ioctl(slave, FIONREAD, &count);
        return count;
    }
    // Waits until the program side has read all input; true when it did within the time.
    bool WaitUntilInputTaken() const {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kWaitMs);
        while (PendingInput() > 0) {
            if (std::chrono::steady_clock::now() >= deadline) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return true;
    }

    int master = -1;
    int slave = -1;
    termios original{};

  private:
    std::string output_;
};

// A pipe on which a forked program tells the test that it has reached a step.
class StepPipe {
  public:
    StepPipe() {
        if (pipe(fds_) != 0) throw std::runtime_error("pipe");
    }
    ~StepPipe() {
        close(fds_[0]);
        close(fds_[1]);
    }
    StepPipe(const StepPipe&) = delete;
    StepPipe& operator=(const StepPipe&) = delete;

    // In the program.
    void Reached() const {
        if (write(fds_[1], "s", 1) != 1) _exit(kNotTold);
    }
    // In the test: true once the program has reached its next step, within the time.
    bool WaitForStep() const {
        pollfd step{fds_[0], POLLIN, 0};
        char byte = 0;
        return poll(&step, 1, kWaitMs) > 0 && read(fds_[0], &byte, 1) == 1;
    }

  private:
    static constexpr int kNotTold = 90;
    int fds_[2] = {-1, -1};
};

// A program forked to the pty side. The child never returns into the test program, whose other
// tests it would run again, and one still running when the test leaves, by a failed assertion
// too, is killed.
class ChildProgram {
  public:
    template <typename Body>
    explicit ChildProgram(Body body) {
        std::fflush(nullptr);  // else a child's exit() writes the test's buffered output again
        pid_ = fork();
        if (pid_ < 0) throw std::runtime_error("fork");
        if (pid_ == 0) {
            try {
                body();
            } catch (...) {
            }
            _exit(kBodyReturned);
        }
    }
    ~ChildProgram() {
        if (ended_) return;
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    ChildProgram(const ChildProgram&) = delete;
    ChildProgram& operator=(const ChildProgram&) = delete;

    pid_t Pid() const { return pid_; }

    // Waits until the child ends, reading the pty meanwhile so that its writes never block; its
    // wait status, or nothing when it has not ended within the time.
    std::optional<int> WaitForEnd(Pty& pty) {
        const auto status = WaitFor(pty, 0);
        if (status) ended_ = true;
        return status;
    }
    // The same for a stop: its wait status once it stopped or ended.
    std::optional<int> WaitForStop(Pty& pty) {
        const auto status = WaitFor(pty, WUNTRACED);
        if (status && !WIFSTOPPED(*status)) ended_ = true;
        return status;
    }

  private:
    static constexpr int kBodyReturned = 97;

    std::optional<int> WaitFor(Pty& pty, int options) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kWaitMs);
        for (;;) {
            if (pty.master >= 0) pty.Output();
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG | options) == pid_) return status;
            if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    pid_t pid_ = -1;
    bool ended_ = false;
};

}  // namespace gridlet
