#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/file_error.h"
#include "platform/write_all.h"

namespace gridlet {
namespace fs = std::filesystem;
namespace {

// The file a link names is the one to replace, so that the link stays.
fs::path Destination(const std::string& path) {
    std::error_code error;
    if (!fs::is_symlink(path, error)) return path;
    const fs::path target = fs::weakly_canonical(path, error);
    return error ? fs::path(path) : target;
}

// A hidden name beside the destination, created here and no one else's; short, so that any name
// the destination may have leaves room for it.
int CreateTemporary(const fs::path& destination, fs::path& temporary) {
    const fs::path folder = destination.has_parent_path() ? destination.parent_path() : ".";
    for (int attempt = 0;; ++attempt) {
        std::string name = ".gridlet-";
        name += std::to_string(getpid()) + "-" + std::to_string(attempt) + ".tmp";
        temporary = folder / name;
        const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST || attempt == 99) return fd;
    }
}

// The rename itself reaches the disk only with its folder.
void FlushFolder(const fs::path& destination) {
    const fs::path folder = destination.has_parent_path() ? destination.parent_path() : ".";
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
    const fs::path destination = Destination(path);
    fs::path temporary;
    const int fd = CreateTemporary(destination, temporary);
    if (fd < 0) throw FileError(errno, path);

    struct stat old {};
    bool written = stat(destination.c_str(), &old) != 0 || fchmod(fd, old.st_mode & 07777) == 0;
    written = written && WriteAll(fd, bytes.data(), bytes.size()) && fsync(fd) == 0;
    int failure = written ? 0 : errno;
    if (close(fd) != 0 && written) {
        written = false;
        failure = errno;
    }
    if (written && rename(temporary.c_str(), destination.c_str()) != 0) {
        written = false;
        failure = errno;
    }
    if (!written) {
        unlink(temporary.c_str());
        throw FileError(failure, path);
    }
    FlushFolder(destination);
}

}  // namespace gridlet
