#pragma once
// A pseudo-terminal for testing what the program writes to a terminal and reads from it: the
// program side is `slave`, the test plays the terminal on `master`. Output is read on demand, with
// no thread, so a test may fork the program side.

#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "platform/console.h"

namespace gridlet {

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
    bool WaitForOutput(const std::string& text, std::size_t from = 0, int timeoutMs = 5000) {
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

    void Resize(int columns, int rows) const {
        winsize size{static_cast<unsigned short>(rows), static_cast<unsigned short>(columns), 0, 0};
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

    int master = -1;
    int slave = -1;
    termios original{};

  private:
    std::string output_;
};

}  // namespace gridlet
