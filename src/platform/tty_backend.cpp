#include "platform/tty_backend.h"

#include <poll.h>
#include <pthread.h>
#include <sys/ioctl.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <stdexcept>
#include <utility>
#include <variant>

#include "platform/console.h"
#include "platform/cp437.h"
#include "platform/keys.h"
#include "platform/motion_coalescing.h"
#include "platform/size_notice.h"
#include "platform/terminal_description.h"
#include "platform/terminal_probe.h"
#include "platform/terminal_restore.h"

namespace gridlet {
namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

// How long a lone Esc waits for the rest of a sequence before it counts as the Esc key.
constexpr milliseconds kEscapeDelay{25};

// Any-motion mouse reports in SGR form, and pastes bracketed so that their text is told from keys.
constexpr std::string_view kInputModesOn = "\x1b[?1003h\x1b[?1006h\x1b[?2004h";
constexpr std::string_view kInputModesOff = "\x1b[?2004l\x1b[?1006l\x1b[?1003l";
constexpr std::string_view kResetColours = "\x1b[0m";
constexpr std::string_view kShowCursor = "\x1b[?25h";
// The xterm window operations that keep the terminal's own title and bring it back on leaving.
constexpr std::string_view kPushTitle = "\x1b[22;0t";
constexpr std::string_view kPopTitle = "\x1b[23;0t";

// The xterm window operation that asks for a size in characters.
std::string SizeRequest(int columns, int rows) {
    return "\x1b[8;" + std::to_string(rows) + ";" + std::to_string(columns) + "t";
}

std::string WaitFailure() {
    return std::string("waiting for terminal input failed: ") + std::strerror(errno);
}

bool IsSuspendKey(const InputEvent& event) {
    const auto* key = std::get_if<KeyInput>(&event);
    return key != nullptr && key->byte == kSuspendKey;
}

bool OffScreen(const InputEvent& event) {
    const auto* mouse = std::get_if<MouseInput>(&event);
    return mouse != nullptr && (mouse->row < 1 || mouse->row > kScreenHeight || mouse->col < 1 ||
                                mouse->col > kScreenWidth);
}

// The handlers of a stop request and of a job-control stop give the terminal back and read away
// the input waiting. Held back while the input is read, they cannot leave the read waiting for
// input that was there a moment before.
class HandBackSignalsHeld {
  public:
    HandBackSignalsHeld() {
        sigset_t held;
        sigemptyset(&held);
        for (const int signal : {SIGTERM, SIGHUP, SIGINT, SIGTSTP}) sigaddset(&held, signal);
        pthread_sigmask(SIG_BLOCK, &held, &previous_);
    }
    ~HandBackSignalsHeld() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
    HandBackSignalsHeld(const HandBackSignalsHeld&) = delete;
    HandBackSignalsHeld& operator=(const HandBackSignalsHeld&) = delete;

  private:
    sigset_t previous_{};
};

// The runs of cells of a row of the rectangle whose flags, one a cell row by row, are set.
std::vector<CellRect> RunsInRow(const std::vector<bool>& flags, const CellRect& rect, int row) {
    std::vector<CellRect> runs;
    const auto first = static_cast<std::size_t>(row - rect.top) * rect.Width();
    for (int col = rect.left; col <= rect.right; ++col) {
        if (!flags[first + static_cast<std::size_t>(col - rect.left)]) continue;
        if (!runs.empty() && runs.back().right == col - 1) {
            runs.back().right = col;
        } else {
            runs.push_back({row, col, row, col});
        }
    }
    return runs;
}

}  // namespace

TtyBackend::TtyBackend(int inFd, int outFd) : inFd_(inFd), outFd_(outFd) {
    if (!isatty(inFd_) || !isatty(outFd_) || tcgetattr(inFd_, &original_) != 0) {
        throw std::runtime_error(kNotATerminal);
    }
    const TerminalDescription description = LoadTerminalDescription(outFd_);
    f1Key_ = description.f1Key;
    decoder_ = InputDecoder(f1Key_);
    ReadSize();
    // A size of 0 x 0 means the terminal does not say; asking it for one then makes no sense.
    const bool askForSize =
        columns_ > 0 && rows_ > 0 && (columns_ != kScreenWidth || rows_ != kScreenHeight);
    const std::string sizeRequest = askForSize ? SizeRequest(kScreenWidth, kScreenHeight) : "";
    const std::string sizeBack = askForSize ? SizeRequest(columns_, rows_) : "";
    enterBytes_ = description.enterAlternate + std::string(kInputModesOn) + sizeRequest +
                  std::string(kPushTitle);
    restoreBytes_ = std::string(kInputModesOff) + std::string(kResetColours) +
                    std::string(kShowCursor) + description.leaveAlternate + sizeBack +
                    std::string(kPopTitle);
    TakeTerminal();
}

TtyBackend::~TtyBackend() {
    RestoreTerminal();
}

void TtyBackend::TakeTerminal() {
    termios raw = original_;
    cfmakeraw(&raw);  // no echo, no line editing, no signals from keys
    ArmTerminalRestore(inFd_, outFd_, TerminalModes{original_, raw, enterBytes_, restoreBytes_});
    tcsetattr(inFd_, TCSANOW, &raw);
    Write(enterBytes_ + titleBytes_);
    shown_.reset();
}

void TtyBackend::Suspend() {
    RestoreTerminal();
}

// Runs in the guard of a lent terminal, so it never throws: a request to stop that came
// meanwhile is left to the next wait, a terminal that is gone to the next read, and a terminal
// left too small to the next present, which shows the size notice.
void TtyBackend::Resume() noexcept {
    if (ended_ || stopRequest_.Signal() != 0) return;
    try {
        TakeTerminal();
        ReadSize();
        if (!TooSmall()) PaintChanges(kAllRows);
    } catch (const SessionEnd&) {
        // the terminal is gone; reading it ends the session
    }
}

void TtyBackend::ReadSize() {
    winsize size{};
    const bool known = ioctl(outFd_, TIOCGWINSZ, &size) == 0;
    columns_ = known ? size.ws_col : 0;
    rows_ = known ? size.ws_row : 0;
}

// The terminal's cell size as its size in pixels gives it now (a resize may change it), else as
// it answered at start; the usual proportions of one otherwise.
CellPixels TtyBackend::CellSize() const {
    winsize size{};
    if (ioctl(outFd_, TIOCGWINSZ, &size) != 0 || size.ws_col == 0 || size.ws_row == 0 ||
        size.ws_xpixel < size.ws_col || size.ws_ypixel < size.ws_row) {
        return answeredCell_;
    }
    return {size.ws_xpixel / size.ws_col, size.ws_ypixel / size.ws_row};
}

bool TtyBackend::TooSmall() const {
    const bool known = columns_ > 0 && rows_ > 0;
    return known && (columns_ < kScreenWidth || rows_ < kScreenHeight);
}

void TtyBackend::Present(const ScreenState& screen) {
    RowDamage damage = screen.dirtyRows;
    if (cells_.size() != screen.cells.size()) {
        cells_ = screen.cells;
        damage = kAllRows;
    } else {
        CopyRows(screen.cells, damage);
    }
    cursorRow_ = screen.cursorRow;
    cursorCol_ = screen.cursorCol;
    cursorVisible_ = screen.cursorVisible;
    TakePixelLayer(screen.pixels, damage);
    if (TooSmall()) WaitForRoom();
    PaintChanges(damage);
}

void TtyBackend::TakePixelLayer(const PixelLayer* layer, RowDamage& damage) {
    if (layer == nullptr) {
        if (!pixelLayer_) return;
        // Sixels go with a cleared screen, the kitty image by its deletion.
        if (kittyShown_) Write(kDeleteKittyImages);
        kittyShown_ = false;
        pixelLayer_.reset();
        shown_.reset();
        damage = kAllRows;
        return;
    }
    if (!pixelLayer_ || pixelLayer_->picture != layer->picture) kittyShown_ = false;
    if (pixelsOwed_.size() != layer->changed.size())
        pixelsOwed_.assign(layer->changed.size(), true);
    for (std::size_t i = 0; i < pixelsOwed_.size(); ++i)
        pixelsOwed_[i] = pixelsOwed_[i] || layer->changed[i];
    pixelLayer_ = *layer;
}

// The cells of the picture's rectangle that the terminal shows pixels in now.
std::vector<bool> TtyBackend::PixelsShown() const {
    const CellRect& rect = pixelLayer_->picture->cells;
    std::vector<bool> shown(static_cast<std::size_t>(rect.Width()) * rect.Height(), false);
    if (!shown_) return shown;
    std::size_t i = 0;
    for (int row = rect.top; row <= rect.bottom; ++row) {
        for (int col = rect.left; col <= rect.right; ++col, ++i) {
            const auto cell = static_cast<std::size_t>((row - 1) * kScreenWidth + col - 1);
            shown[i] = shown_->cells[cell].rgbBackground == kPictureShown;
        }
    }
    return shown;
}

std::string TtyBackend::PixelBytes(const std::vector<bool>& shownBefore) {
    const CellPicture& picture = *pixelLayer_->picture;
    const CellPixels cell = CellSize();
    std::string bytes;
    if (pixelLayer_->mode == PictureMode::Kitty) return KittyBytes(cell);
    // Sixels: each row's runs of cells that show the picture but not yet its present pixels.
    const CellRect& rect = picture.cells;
    std::vector<bool> owed(pixelsOwed_.size());
    for (std::size_t i = 0; i < owed.size(); ++i)
        owed[i] = pixelLayer_->shows[i] && (!shownBefore[i] || pixelsOwed_[i]);
    for (int row = rect.top; row <= rect.bottom; ++row) {
        for (const CellRect& run : RunsInRow(owed, rect, row)) {
            const auto first = static_cast<std::size_t>(row - rect.top) * rect.Width();
            for (int col = run.left; col <= run.right; ++col)
                pixelsOwed_[first + static_cast<std::size_t>(col - rect.left)] = false;
            bytes += SixelCells(picture, run, cell);
        }
    }
    return bytes;
}

// The image is sent once; each row where the cells that show it changed has its runs placed anew.
std::string TtyBackend::KittyBytes(CellPixels cell) {
    const CellPicture& picture = *pixelLayer_->picture;
    const CellRect& rect = picture.cells;
    const std::vector<bool>& shows = pixelLayer_->shows;
    std::string bytes;
    if (!kittyShown_) {
        bytes = KittyImage(picture, cell);
        kittyPlaced_.assign(shows.size(), false);
        kittyShown_ = true;
    }
    for (int row = rect.top; row <= rect.bottom; ++row) {
        const auto first = static_cast<std::ptrdiff_t>(row - rect.top) * rect.Width();
        const auto placed = kittyPlaced_.begin() + first;
        const auto wanted = shows.begin() + first;
        if (std::equal(wanted, wanted + rect.Width(), placed)) continue;
        for (const CellRect& run : RunsInRow(kittyPlaced_, rect, row))
            bytes += KittyRemoval(picture, run);
        for (const CellRect& run : RunsInRow(shows, rect, row))
            bytes += KittyPlacement(picture, run, cell);
        std::copy_n(wanted, rect.Width(), placed);
    }
    std::fill(pixelsOwed_.begin(), pixelsOwed_.end(), false);
    return bytes;
}

void TtyBackend::CopyRows(const std::vector<Cell>& cells, RowDamage damage) {
    for (int row = 1; row <= kScreenHeight; ++row) {
        if ((damage & RowBit(row)) == 0) continue;
        const auto offset = static_cast<std::ptrdiff_t>((row - 1) * kScreenWidth);
        std::copy_n(cells.begin() + offset, kScreenWidth, cells_.begin() + offset);
    }
}

void TtyBackend::PaintChanges(RowDamage damage) {
    if (cells_.empty()) return;        // nothing presented yet
    if (!shown_) kittyShown_ = false;  // a cleared screen takes the kitty image with it
    std::vector<bool> pixelsBefore;
    if (pixelLayer_) pixelsBefore = PixelsShown();
    ScreenUpdate update = RenderScreenUpdate(
        std::move(shown_), ScreenState{cells_, cursorRow_, cursorCol_, cursorVisible_, damage});
    if (pixelLayer_) {
        const std::string pixels = PixelBytes(pixelsBefore);
        if (!pixels.empty()) {
            // An image leaves the cursor where the terminal chooses.
            update.bytes += pixels;
            update.shown.cursorRow = 0;
            update.shown.cursorCol = 0;
            if (cursorVisible_) {
                update.bytes += MoveTo(cursorRow_, cursorCol_);
                update.shown.cursorRow = cursorRow_;
                update.shown.cursorCol = cursorCol_;
            }
        }
    }
    if (!update.bytes.empty()) Write(update.bytes);
    shown_ = std::move(update.shown);
}

// Shows the size notice until the terminal is large enough or the user quits there; anything else
// typed meanwhile was meant for a screen they could not see, so it is dropped. After a continue
// the notice is shown again, since the terminal was handed back meanwhile.
void TtyBackend::WaitForRoom() {
    while (TooSmall()) {
        Write(SizeNotice(columns_, rows_));
        shown_.reset();
        bool changed = false;
        while (!changed) {
            EndIfStopRequested();
            std::array<pollfd, 4> fds = PollSet();
            // The notice hides whatever could say that the wait failed, so a failure ends here.
            if (poll(fds.data(), fds.size(), -1) < 0) {
                if (errno == EINTR) continue;
                EndAfterFailure(WaitFailure());
            }
            if (fds[0].revents != 0) {
                const std::vector<InputEvent> typed = decoder_.Feed(ReadAvailable());
                if (std::any_of(typed.begin(), typed.end(), QuitsAtSizeNotice)) QuitAtSizeNotice();
                if (std::any_of(typed.begin(), typed.end(), IsSuspendKey)) {
                    jobControl_.StopAsTheSuspendKeyDoes();
                }
            }
            const bool resized = (fds[1].revents & POLLIN) != 0 && resizeSignal_.Consume();
            const bool continued = (fds[2].revents & POLLIN) != 0 && jobControl_.Consume();
            changed = resized || continued;
        }
        ReadSize();
    }
    decoder_ = InputDecoder(f1Key_);
    escapeSince_.reset();
    events_.clear();
}

// After a resize or a continue: terminals differ in what a resize keeps, and a continued program
// finds the screen and the title as the shell left them, so everything is shown again.
void TtyBackend::PaintAnew() {
    ReadSize();
    shown_.reset();
    Write(titleBytes_);
    if (TooSmall()) WaitForRoom();
    PaintChanges(kAllRows);
    Write(picture_);
}

std::optional<InputEvent> TtyBackend::NextInput(int timeoutMs) {
    std::optional<Instant> deadline;
    if (timeoutMs >= 0) deadline = steady_clock::now() + milliseconds(timeoutMs);
    for (;;) {
        EndIfStopRequested();
        if (!events_.empty()) {
            if (IsPointerMove(events_.front())) ReadWaitingInput();
            return TakeCoalesced(events_);
        }
        std::array<pollfd, 4> fds = PollSet();
        const int ready = Wait(fds, PollTimeout(deadline));
        const bool resized = ready > 0 && (fds[1].revents & POLLIN) != 0 && resizeSignal_.Consume();
        const bool continued = ready > 0 && (fds[2].revents & POLLIN) != 0 && jobControl_.Consume();
        if (resized || continued) PaintAnew();
        if (ready > 0 && fds[0].revents != 0) ReadInput();
        const Instant now = steady_clock::now();
        if (escapeSince_ && now - *escapeSince_ >= kEscapeDelay) {
            if (auto esc = decoder_.FlushPendingEscape()) events_.push_back(*esc);
            escapeSince_.reset();
        }
        if (events_.empty() && deadline && now >= *deadline) return std::nullopt;
    }
}

// A failed wait is an error for the error trap to show. Failing again before a wait has worked,
// it would fail for ever: the session ends as when the terminal goes away.
int TtyBackend::Wait(std::array<pollfd, 4>& fds, int timeoutMs) {
    const int ready = poll(fds.data(), fds.size(), timeoutMs);
    if (ready >= 0 || errno == EINTR) {
        waitFailed_ = false;
        return ready;
    }
    const std::string failure = WaitFailure();
    if (std::exchange(waitFailed_, true)) EndAfterFailure(failure);
    throw std::runtime_error(failure);
}

int TtyBackend::PollTimeout(const std::optional<Instant>& deadline) const {
    const Instant now = steady_clock::now();
    auto until = [now](Instant when) {
        return static_cast<int>(
            std::max<std::int64_t>(0, std::chrono::ceil<milliseconds>(when - now).count()));
    };
    int timeout = deadline ? until(*deadline) : -1;
    if (escapeSince_) {
        const int escape = until(*escapeSince_ + kEscapeDelay);
        timeout = timeout < 0 ? escape : std::min(timeout, escape);
    }
    return timeout;
}

// The stop request is looked at before each wait; its pipe only ends the wait.
std::array<pollfd, 4> TtyBackend::PollSet() const {
    return {pollfd{inFd_, POLLIN, 0}, pollfd{resizeSignal_.fd(), POLLIN, 0},
            pollfd{jobControl_.fd(), POLLIN, 0}, pollfd{stopRequest_.fd(), POLLIN, 0}};
}

// The program ends as the signal asks; the terminal is given back once the design is kept.
void TtyBackend::EndIfStopRequested() {
    const int signal = stopRequest_.Signal();
    if (signal == 0) return;
    ended_ = true;
    throw SessionEnd{signal, 128 + signal, {}};
}

std::string TtyBackend::ReadAvailable() {
    const HandBackSignalsHeld held;
    pollfd input{inFd_, POLLIN, 0};
    if (stopRequest_.Signal() != 0 || poll(&input, 1, 0) <= 0) return {};
    std::array<char, 4096> buffer{};
    const ssize_t count = read(inFd_, buffer.data(), buffer.size());
    if (count < 0 && (errno == EINTR || errno == EAGAIN)) return {};
    if (count <= 0) TerminalClosed();
    return std::string(buffer.data(), static_cast<std::size_t>(count));
}

// Everything the terminal has sent already, so a burst of motion is acted on at its latest move.
// A terminal that never stops sending is left after a bounded number of reads.
void TtyBackend::ReadWaitingInput() {
    constexpr int kMaxReads = 64;
    pollfd input{inFd_, POLLIN, 0};
    for (int i = 0; i < kMaxReads && poll(&input, 1, 0) > 0; ++i) ReadInput();
}

void TtyBackend::ReadInput() {
    for (InputEvent& event : decoder_.Feed(ReadAvailable())) {
        if (OffScreen(event)) continue;
        // Raw mode hands the suspend key over as a byte; the continue repaints the screen.
        if (IsSuspendKey(event)) {
            jobControl_.StopAsTheSuspendKeyDoes();
            continue;
        }
        events_.push_back(std::move(event));
    }
    // Bytes just came, so a pending Esc waits its full delay from now.
    escapeSince_.reset();
    if (decoder_.EscapePending()) escapeSince_ = steady_clock::now();
}

void TtyBackend::SetTitle(const std::string& title) {
    std::string bytes = "\x1b]0;";
    for (char ch : title) {
        const auto byte = static_cast<std::uint8_t>(ch);
        AppendUtf8(bytes, byte == 0 ? U' ' : Cp437ToUnicode(byte));
    }
    bytes += '\a';
    Write(bytes);
    titleBytes_ = std::move(bytes);
}

void TtyBackend::Beep() {
    Write("\a");
}

void TtyBackend::SendControl(std::string_view bytes) {
    Write(bytes);
}

void TtyBackend::ShowPicture(const PictureRequest& request) {
    const CellPixels cell = CellSize();
    const PictureView& picture = request.picture;
    const CellRect place =
        FitPicture(picture.width, picture.height, request.area, cell, request.mode);
    picture_ = PictureBytes(picture, place, request.mode, request.colours, cell);
    kittyPicture_ = request.mode == PictureMode::Kitty;
    Write(picture_);
}

// Sixels and iTerm2 images go when the cells under them are written; the next present paints
// every cell on a cleared screen. Runs in a guard, so it never throws: a terminal that is gone
// ends the session at the next read.
void TtyBackend::HidePicture() noexcept {
    try {
        if (kittyPicture_) Write(kDeleteKittyImages);
    } catch (const SessionEnd&) {
        // the terminal is gone
    }
    picture_.clear();
    kittyPicture_ = false;
    shown_.reset();
}

// A request to stop interrupts a write that the terminal does not take and ends the writing:
// from then on the terminal is left as it is until the design is kept.
void TtyBackend::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        if (ended_ || stopRequest_.Signal() != 0) return;
        const ssize_t written = write(outFd_, bytes.data(), bytes.size());
        if (written > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(written));
        } else if (written < 0 && errno == EAGAIN) {
            std::array<pollfd, 2> fds = {pollfd{outFd_, POLLOUT, 0},
                                         pollfd{stopRequest_.fd(), POLLIN, 0}};
            poll(fds.data(), fds.size(), -1);
        } else if (!(written < 0 && errno == EINTR)) {
            TerminalClosed();
        }
    }
}

void TtyBackend::QuitAtSizeNotice() {
    RestoreTerminal();
    ended_ = true;
    throw SessionEnd{0, 1,
                     "the terminal has " + std::to_string(columns_) + " x " +
                         std::to_string(rows_) + " characters, " + std::to_string(kScreenWidth) +
                         " x " + std::to_string(kScreenHeight) + " are needed"};
}

void TtyBackend::EndAfterFailure(const std::string& failure) {
    RestoreTerminal();
    ended_ = true;
    throw SessionEnd{0, 1, failure};
}

// The terminal went away: nothing is left to show the program to, and it ends as if hung up.
void TtyBackend::TerminalClosed() {
    RestoreTerminal();
    ended_ = true;
    throw SessionEnd{SIGHUP, 128 + SIGHUP, {}};
}

}  // namespace gridlet
