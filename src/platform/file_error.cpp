#include "platform/file_error.h"

#include <cerrno>
#include <cstring>

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

BasicError FileError(int systemError, const std::string& path) {
    return BasicError(BasicNumberOf(systemError), path + ": " + std::strerror(systemError));
}

}  // namespace gridlet
