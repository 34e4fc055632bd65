#pragma once
// Writes every byte to a blocking descriptor, through interruptions; async-signal-safe.

#include <unistd.h>

#include <cerrno>
#include <cstddef>

namespace gridlet {

// False when the descriptor stopped taking bytes.
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

}  // namespace gridlet
