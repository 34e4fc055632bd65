#include "platform/file_error.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace gridlet {
namespace {

int BasicNumberOf(int systemError) {
    switch (systemError) {
        case ENOENT:
            return kErrorFileNotFound;
        case ENOTDIR:
            return kErrorPathNotFound;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return kErrorDiskFull;
        case ENAMETOOLONG:
            return kErrorBadFileName;
        case ETXTBSY:
        case EBUSY:
            return kErrorPermissionDenied;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
            return kErrorPathFileAccess;
        case ENOMEM:
            return kErrorOutOfMemory;
        default:
            return kErrorDeviceIo;
    }
}

}  // namespace

FileError::FileError(int systemError, const std::string& subject)
    : FileError(BasicNumberOf(systemError), systemError, subject) {}

FileError::FileError(int number, int systemError, const std::string& subject)
    : BasicError(number, subject + ": " + std::strerror(systemError)),
      reason_(std::strerror(systemError)) {}

FileError FolderNotWritable(int systemError, const std::string& folder) {
    std::error_code error;
    std::filesystem::path shown = std::filesystem::absolute(folder, error).lexically_normal();
    if (shown.has_relative_path() && !shown.has_filename()) shown = shown.parent_path();
    return FileError(systemError,
                     "Cannot write in the folder " + (error ? folder : shown.string()));
}

}  // namespace gridlet
