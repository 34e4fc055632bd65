#pragma once
// The console shown in a real terminal: raw mode, the alternate screen, any-motion mouse tracking
// with SGR reports, minimal updates in one write() per flush, and a notice while the terminal is
// too small for the 90 x 46 screen. The terminal is restored on every way out and handed back
// while the program is stopped. When the terminal goes away, a signal asks the program to stop,
// the user quits at the size notice or a wait for input fails twice running, the waits throw
// SessionEnd and nothing more is written; after a signal the terminal stays as it is until the
// design is kept and main restores it.

#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/ansi_writer.h"
#include "platform/cell_picture.h"
#include "platform/console_backend.h"
#include "platform/input_decoder.h"
#include "platform/job_control.h"
#include "platform/picture_display.h"
#include "platform/session_end.h"
#include "platform/signal_pipe.h"
#include "platform/stop_request.h"
#include "platform/terminal_control.h"

namespace gridlet {

class TtyBackend : public ConsoleBackend, public TerminalControl {
  public:
    // Takes over the terminal on inFd and outFd (usually both the same tty) and asks it for the
    // screen's size. Throws std::runtime_error when inFd is not a terminal. One at a time.
    explicit TtyBackend(int inFd = STDIN_FILENO, int outFd = STDOUT_FILENO);
    ~TtyBackend() override;
    TtyBackend(const TtyBackend&) = delete;
    TtyBackend& operator=(const TtyBackend&) = delete;

    // The cell size the terminal answered, for when its size in pixels is not known.
    void SetAnsweredCellSize(CellPixels cell) { answeredCell_ = cell; }

    void Present(const ScreenState& screen) override;
    std::optional<InputEvent> NextInput(int timeoutMs) override;
    void SetTitle(const std::string& title) override;
    void Beep() override;
    void SendControl(std::string_view bytes) override;
    void ShowPicture(const PictureRequest& request) override;
    void HidePicture() noexcept override;

    // Gives the terminal back as it was found, for another program run in it (an editor), and
    // takes it again afterwards, repainting the whole screen.
    void Suspend() override;
    void Resume() noexcept override;

  private:
    using Instant = std::chrono::steady_clock::time_point;

    void TakeTerminal();
    void ReadSize();
    CellPixels CellSize() const;
    bool TooSmall() const;
    void CopyRows(const std::vector<Cell>& cells, RowDamage damage);
    void PaintChanges(RowDamage damage);
    void TakePixelLayer(const PixelLayer* layer, RowDamage& damage);
    // The bytes of the picture's pixels still owed, once the cells' bytes are written; before
    // marks the cells whose pixels the terminal already shows.
    std::string PixelBytes(const std::vector<bool>& shownBefore);
    std::vector<bool> PixelsShown() const;
    std::string KittyBytes(CellPixels cell);
    void WaitForRoom();
    void PaintAnew();
    std::array<pollfd, 4> PollSet() const;
    void EndIfStopRequested();
    // What the terminal sent; ends the program when the terminal is gone.
    std::string ReadAvailable();
    void ReadInput();
    void ReadWaitingInput();
    // poll on the set: the number ready, or -1 when a signal ended the wait.
    int Wait(std::array<pollfd, 4>& fds, int timeoutMs);
    int PollTimeout(const std::optional<Instant>& deadline) const;
    void Write(std::string_view bytes);
    [[noreturn]] void QuitAtSizeNotice();
    [[noreturn]] void TerminalClosed();
    // Gives the terminal back and ends the session with the failure for standard error.
    [[noreturn]] void EndAfterFailure(const std::string& failure);

    int inFd_;
    int outFd_;
    termios original_{};
    std::string f1Key_;
    std::string enterBytes_;
    std::string restoreBytes_;
    std::string titleBytes_;  // the title set last, set again when the terminal is taken back
    SignalPipe resizeSignal_{SIGWINCH};
    JobControl jobControl_;
    StopRequest stopRequest_;
    bool ended_ = false;       // the terminal is given back for good
    bool waitFailed_ = false;  // the last wait failed
    InputDecoder decoder_;
    std::optional<Instant> escapeSince_;
    std::deque<InputEvent> events_;
    int columns_ = 0;
    int rows_ = 0;
    std::vector<Cell> cells_;  // the last screen presented
    int cursorRow_ = 1;
    int cursorCol_ = 1;
    bool cursorVisible_ = true;
    std::optional<ShownScreen> shown_;
    std::string picture_;  // the bytes of the picture shown, written again after a repaint
    bool kittyPicture_ = false;
    std::optional<PixelLayer> pixelLayer_;  // the picture over the cells, as last presented
    std::vector<bool> pixelsOwed_;          // its cells whose pixels changed since written
    bool kittyShown_ = false;               // its kitty image is sent
    std::vector<bool> kittyPlaced_;         // its cells the image is placed under
    CellPixels answeredCell_;
};

}  // namespace gridlet
