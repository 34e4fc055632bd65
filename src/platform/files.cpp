#include "platform/files.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "platform/basic_error.h"

namespace gridlet {
namespace {

[[noreturn]] void PermissionDenied(const std::string& doing, const std::string& path) {
    throw BasicError(kErrorPermissionDenied, doing + " " + path + ": " + std::strerror(errno));
}

}  // namespace

std::string CurrentDirectory() {
    return std::filesystem::current_path().string();
}

bool FileExists(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

void DeleteFile(const std::string& path) {
    if (std::remove(path.c_str()) != 0) PermissionDenied("cannot delete", path);
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) PermissionDenied("cannot write", path);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) PermissionDenied("cannot write", path);
}

}  // namespace gridlet
