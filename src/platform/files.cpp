#include "platform/files.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "platform/file_error.h"

namespace gridlet {

std::string CurrentDirectory() {
    return std::filesystem::current_path().string();
}

bool FileExists(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

void DeleteFile(const std::string& path) {
    if (std::remove(path.c_str()) == 0) return;
    const int failure = errno;
    if (failure == EACCES || failure == EROFS) {
        const std::filesystem::path folder = std::filesystem::path(path).parent_path();
        throw FolderNotWritable(failure, folder.empty() ? "." : folder.string());
    }
    throw FileError(kErrorPermissionDenied, failure, path);
}

}  // namespace gridlet
