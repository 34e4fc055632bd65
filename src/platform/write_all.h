#pragma once
// Writes every byte to a descriptor, through interruptions; async-signal-safe.

#include <unistd.h>

#include <cerrno>
#include <cstddef>

namespace gridlet {

// To a blocking descriptor; false when it stopped taking bytes.
inline bool WriteAll(int fd, const char* data, std::size_t length) {
    while (length > 0) {
        const ssize_t written = write(fd, data, length);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data += written;
        length -= static_cast<std::size_t>(written);
    }
    return true;
}

// The same without ever waiting longer than timeoutMs for a reader that does not read (a
// terminal whose output is full): the descriptor is made non-blocking for the time of the
// writing. False when not all of it went.
bool WriteAllWithin(int fd, const char* data, std::size_t length, int timeoutMs);

}  // namespace gridlet
