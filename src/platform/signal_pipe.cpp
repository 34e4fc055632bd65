#include "platform/signal_pipe.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <stdexcept>

namespace gridlet {
namespace {

struct Slot {
    int writeFd = -1;
    void (*action)() = nullptr;
    struct sigaction previous {};
};

std::array<Slot, NSIG> slots;

void OnSignal(int signal) {
    const int savedErrno = errno;
    const Slot& slot = slots[static_cast<std::size_t>(signal)];
    if (slot.action != nullptr) slot.action();
    const char byte = 's';
    [[maybe_unused]] const auto written = write(slot.writeFd, &byte, 1);  // a full pipe says it
    errno = savedErrno;
}

}  // namespace

SignalPipe::SignalPipe(int signal, void (*action)()) : signal_(signal) {
    std::array<int, 2> fds{};
    if (pipe2(fds.data(), O_NONBLOCK | O_CLOEXEC) != 0)
        throw std::runtime_error("no pipe for signals");
    readFd_ = fds[0];
    Slot& slot = slots[static_cast<std::size_t>(signal)];
    slot.writeFd = fds[1];
    slot.action = action;
    struct sigaction handler {};
    handler.sa_handler = OnSignal;
    handler.sa_flags = SA_RESTART;
    sigemptyset(&handler.sa_mask);
    sigaction(signal, &handler, &slot.previous);
}

SignalPipe::~SignalPipe() {
    Slot& slot = slots[static_cast<std::size_t>(signal_)];
    sigaction(signal_, &slot.previous, nullptr);
    close(slot.writeFd);
    close(readFd_);
    slot = Slot{};
}

bool SignalPipe::Consume() {
    std::array<char, 64> buffer{};
    bool signalled = false;
    while (read(readFd_, buffer.data(), buffer.size()) > 0) signalled = true;
    return signalled;
}

}  // namespace gridlet
