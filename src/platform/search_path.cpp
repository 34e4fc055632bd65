#include "platform/search_path.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace gridlet {
namespace {

bool IsExecutableFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::string FindOnPath(std::string_view name, std::string_view searchPath) {
    if (name.empty()) return {};
    if (name.find('/') != std::string_view::npos) {
        std::string path(name);
        return IsExecutableFile(path) ? path : std::string();
    }
    while (!searchPath.empty()) {
        const std::size_t colon = std::min(searchPath.find(':'), searchPath.size());
        const std::string_view dir = searchPath.substr(0, colon);
        searchPath.remove_prefix(std::min(colon + 1, searchPath.size()));
        if (dir.empty()) continue;
        std::string candidate = std::string(dir) + "/" + std::string(name);
        if (IsExecutableFile(candidate)) return candidate;
    }
    return {};
}

}  // namespace gridlet
