#include "platform/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/write_all.h"

namespace gridlet {
namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The folder's own entry, so that the rename survives a crash too.
void SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

std::string Failed(const std::string& temporary, int error) {
    unlink(temporary.c_str());
    return std::strerror(error != 0 ? error : EIO);
}

}  // namespace

std::string WriteFileAtomically(const std::string& path, std::string_view bytes) {
    std::string temporary = path;
    temporary += ".tmp-";
    temporary += std::to_string(getpid());
    unlink(temporary.c_str());  // a leftover of a process that had this number before
    const int fd =
        open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0) return std::strerror(errno);
    if (!WriteAll(fd, bytes.data(), bytes.size()) || fsync(fd) != 0) {
        const int error = errno;
        close(fd);
        return Failed(temporary, error);
    }
    if (close(fd) != 0 || rename(temporary.c_str(), path.c_str()) != 0)
        return Failed(temporary, errno);
    SyncFolder(FolderOf(path));
    return "";
}

}  // namespace gridlet
