#include "platform/resize_signal.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <stdexcept>

namespace gridlet {
namespace {

int writeFd = -1;
struct sigaction previousAction {};

void OnResize(int) {
    const int savedErrno = errno;
    const char byte = 'w';
    [[maybe_unused]] const auto written = write(writeFd, &byte, 1);  // a full pipe already says it
    errno = savedErrno;
}

}  // namespace

ResizeSignal::ResizeSignal() {
    std::array<int, 2> fds{};
    if (pipe2(fds.data(), O_NONBLOCK | O_CLOEXEC) != 0)
        throw std::runtime_error("no pipe for resizes");
    readFd_ = fds[0];
    writeFd = fds[1];
    struct sigaction action {};
    action.sa_handler = OnResize;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    sigaction(SIGWINCH, &action, &previousAction);
}

ResizeSignal::~ResizeSignal() {
    sigaction(SIGWINCH, &previousAction, nullptr);
    close(writeFd);
    close(readFd_);
    writeFd = -1;
}

bool ResizeSignal::Consume() {
    std::array<char, 64> buffer{};
    bool resized = false;
    while (read(readFd_, buffer.data(), buffer.size()) > 0) resized = true;
    return resized;
}

}  // namespace gridlet
