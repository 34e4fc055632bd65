#include "platform/stop_request.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <stdexcept>

#include "platform/terminal_restore.h"

namespace gridlet {

StopRequest::StopRequest() {
    std::array<int, 2> fds{};
    if (pipe2(fds.data(), O_NONBLOCK | O_CLOEXEC) != 0)
        throw std::runtime_error("no pipe for stop requests");
    readFd_ = fds[0];
    writeFd_ = fds[1];
    DeferStopSignals(writeFd_);
}

StopRequest::~StopRequest() {
    DeferStopSignals(-1);
    close(writeFd_);
    close(readFd_);
}

int StopRequest::Signal() const {
    return PendingStop();
}

}  // namespace gridlet
