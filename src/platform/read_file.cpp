#include "platform/read_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file_error.h"

namespace gridlet {

std::string ReadFileBytes(const std::string& path, std::size_t maxBytes) {
    // Not blocking at the open, so that a pipe's name cannot hold the program.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) throw FileError(errno, path);
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        throw FileError(S_ISDIR(info.st_mode) ? EISDIR : EINVAL, path);
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t count = read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) {
            const int failure = errno;
            close(fd);
            throw FileError(failure, path);
        }
        if (count == 0) break;
        if (bytes.size() + static_cast<std::size_t>(count) > maxBytes) {
            close(fd);
            throw BasicError(kErrorOutOfMemory, path + ": too large to be read");
        }
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
    close(fd);
    return bytes;
}

}  // namespace gridlet
