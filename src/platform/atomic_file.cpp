#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "platform/file_error.h"
#include "platform/write_all.h"

namespace gridlet {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kTemporaryPrefix = ".gridlet-";
constexpr std::string_view kTemporarySuffix = ".tmp";

fs::path FolderOf(const fs::path& path) {
    return path.has_parent_path() ? path.parent_path() : ".";
}

// The file a link names is the one to replace when it exists, so that the link stays.
fs::path Destination(const std::string& path) {
    std::error_code error;
    if (!fs::is_symlink(path, error)) return path;
    const fs::path target = fs::canonical(path, error);
    return error ? fs::path(path) : target;
}

// A hidden name in the folder that no entry held and that is this process's own: its id and a
// count. Short, so that any name the folder takes leaves room for it. -1, with errno, when the
// folder takes no new file.
int CreateTemporary(const fs::path& folder, fs::path& temporary) {
    for (int attempt = 0;; ++attempt) {
        std::string name(kTemporaryPrefix);
        name += std::to_string(getpid()) + "-" + std::to_string(attempt);
        name += kTemporarySuffix;
        temporary = folder / name;
        const int fd =
            open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST || attempt == 99) return fd;
    }
}

// The bytes into the new file and onto the disk, with the permission bits given; a file that
// could not be filled goes, and the error names the subject.
void Fill(int fd, const fs::path& temporary, std::string_view bytes, std::optional<mode_t> mode,
          const std::string& subject) {
    bool written = !mode || fchmod(fd, *mode) == 0;
    written = written && WriteAll(fd, bytes.data(), bytes.size()) && fsync(fd) == 0;
    int failure = written ? 0 : errno;
    if (close(fd) != 0 && written) {
        written = false;
        failure = errno;
    }
    if (!written) {
        unlink(temporary.c_str());
        throw FileError(failure, subject);
    }
}

// The rename itself reaches the disk only with its folder.
void FlushFolder(const fs::path& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

// Gives the file the name only where no entry holds it; false, errno EEXIST, where one does.
bool Claim(const fs::path& temporary, const fs::path& path) {
    if (renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL) return false;
    // A file system without that rename (NFS): a link is made only where no entry is.
    if (link(temporary.c_str(), path.c_str()) != 0) return false;
    unlink(temporary.c_str());
    return true;
}

// The process that made a temporary file, read from its name; nothing for any other name.
std::optional<pid_t> WriterOf(std::string_view name) {
    if (!name.starts_with(kTemporaryPrefix) || !name.ends_with(kTemporarySuffix)) return {};
    name.remove_prefix(kTemporaryPrefix.size());
    name.remove_suffix(kTemporarySuffix.size());
    const auto number = [](std::string_view digits, int& value) {
        const char* end = digits.data() + digits.size();
        const auto [stop, error] = std::from_chars(digits.data(), end, value);
        return !digits.empty() && digits[0] != '-' && digits[0] != '+' && error == std::errc() &&
               stop == end;
    };
    const std::size_t dash = name.find('-');
    int pid = 0;
    int attempt = 0;
    if (dash == std::string_view::npos || !number(name.substr(0, dash), pid) ||
        !number(name.substr(dash + 1), attempt) || pid <= 0) {
        return {};
    }
    return pid;
}

}  // namespace

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
    const fs::path destination = Destination(path);
    const fs::path folder = FolderOf(destination);
    fs::path temporary;
    const int fd = CreateTemporary(folder, temporary);
    if (fd < 0) throw FileError(errno, path);
    struct stat old {};
    const bool replacing = stat(destination.c_str(), &old) == 0;
    Fill(fd, temporary, bytes, replacing ? std::optional(old.st_mode & 07777) : std::nullopt, path);
    if (rename(temporary.c_str(), destination.c_str()) != 0) {
        const int failure = errno;
        unlink(temporary.c_str());
        throw FileError(failure, path);
    }
    FlushFolder(folder);
}

void ReplaceOwnFile(const std::string& path, std::string_view bytes) {
    const fs::path folder = FolderOf(path);
    fs::path temporary;
    const int fd = CreateTemporary(folder, temporary);
    if (fd < 0) {
        const int failure = errno;
        throw FolderNotWritable(failure, folder.string());
    }
    Fill(fd, temporary, bytes, std::nullopt, path);
    // A rename replaces a link itself, never the file it names.
    if (rename(temporary.c_str(), path.c_str()) != 0) {
        const int failure = errno;
        unlink(temporary.c_str());
        throw FileError(kErrorPermissionDenied, failure, path);
    }
    FlushFolder(folder);
}

std::string WriteUnderFreeName(const std::string& path, std::string_view bytes) {
    const fs::path first = path;
    const fs::path folder = FolderOf(first);
    fs::path temporary;
    const int fd = CreateTemporary(folder, temporary);
    if (fd < 0) throw FileError(errno, path);
    Fill(fd, temporary, bytes, std::nullopt, path);
    for (int number = 1;; ++number) {
        fs::path name = first;
        if (number > 1) {
            name.replace_filename(first.stem().string() + "-" + std::to_string(number) +
                                  first.extension().string());
        }
        if (Claim(temporary, name)) {
            FlushFolder(folder);
            return name.string();
        }
        if (errno != EEXIST) {
            const int failure = errno;
            unlink(temporary.c_str());
            throw FileError(failure, name.string());
        }
    }
}

void RemoveStaleTemporaries(const std::string& folder) {
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::optional<pid_t> writer = WriterOf(it->path().filename().string());
        struct stat info {};
        if (!writer || lstat(it->path().c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
            info.st_uid != geteuid()) {
            continue;
        }
        if (kill(*writer, 0) != 0 && errno == ESRCH) unlink(it->path().c_str());
    }
}

}  // namespace gridlet
