#include "platform/write_all.h"

#include <fcntl.h>
#include <poll.h>

#include <cstdint>
#include <ctime>

namespace gridlet {
namespace {

std::int64_t MonotonicMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

}  // namespace

bool WriteAllWithin(int fd, const char* data, std::size_t length, int timeoutMs) {
    const int flags = fcntl(fd, F_GETFL);
    if (flags < 0) return false;
    if ((flags & O_NONBLOCK) == 0) fcntl(fd, F_SETFL, flags | O_NONBLOCK);
    const std::int64_t until = MonotonicMs() + timeoutMs;
    while (length > 0) {
        const ssize_t written = write(fd, data, length);
        if (written > 0) {
            data += written;
            length -= static_cast<std::size_t>(written);
            continue;
        }
        if (written < 0 && errno == EINTR) continue;
        const std::int64_t left = until - MonotonicMs();
        if (written == 0 || errno != EAGAIN || left <= 0) break;
        pollfd output{fd, POLLOUT, 0};
        poll(&output, 1, static_cast<int>(left));
    }
    if ((flags & O_NONBLOCK) == 0) fcntl(fd, F_SETFL, flags);
    return length == 0;
}

}  // namespace gridlet
