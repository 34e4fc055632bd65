#include "output/recovery_file.h"

#include <filesystem>
#include <string_view>

#include "output/design_file.h"
#include "output/kept_sections.h"
#include "platform/atomic_file.h"
#include "platform/basic_error.h"

namespace gridlet {
namespace fs = std::filesystem;
namespace {

bool IsAbsolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

// Gridlet-recovered.GDL, or the name with "-N" before the extension.
bool IsRecoveryName(std::string_view name) {
    const std::string_view first = kRecoveryFileName;
    const std::size_t dot = first.rfind('.');
    const std::string_view stem = first.substr(0, dot), extension = first.substr(dot);
    if (name == first) return true;
    if (!name.starts_with(stem) || !name.ends_with(extension)) return false;
    name = name.substr(stem.size(), name.size() - stem.size() - extension.size());
    return name.size() > 1 && name[0] == '-' &&
           name.find_first_not_of("0123456789", 1) == std::string_view::npos;
}

}  // namespace

std::string NewestRecoveryFile(const std::string& folder) {
    std::error_code error;
    fs::path newest;
    fs::file_time_type newestTime;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code entryError;
        if (!IsRecoveryName(it->path().filename().string()) || !it->is_regular_file(entryError)) {
            continue;
        }
        const fs::file_time_type time = it->last_write_time(entryError);
        if (entryError || (!newest.empty() && time <= newestTime)) continue;
        newest = it->path();
        newestTime = time;
    }
    return newest.string();
}

std::vector<std::string> RecoveryFolders(const char* xdgStateHome, const char* home) {
    std::vector<std::string> folders{"."};
    if (IsAbsolute(xdgStateHome)) {
        folders.push_back((fs::path(xdgStateHome) / "gridlet").string());
    } else if (IsAbsolute(home)) {
        folders.push_back((fs::path(home) / ".local" / "state" / "gridlet").string());
    }
    return folders;
}

RecoveryResult KeepRecoveredDesign(const Design& design, const std::string& screenImage,
                                   const std::vector<std::string>& folders) {
    const std::string bytes = EncodeDesignFile(screenImage, SectionsToKeep(design));
    RecoveryResult result;
    for (const std::string& folder : folders) {
        std::error_code error;
        fs::create_directories(folder, error);
        const fs::path path =
            fs::absolute(fs::path(folder) / kRecoveryFileName, error).lexically_normal();
        if (error) {
            result.error = folder + ": " + error.message();
            continue;
        }
        try {
            result.path = WriteUnderFreeName(path.string(), bytes);
            result.error.clear();
            return result;
        } catch (const BasicError& failure) {
            result.error = failure.what();
        }
    }
    return result;
}

}  // namespace gridlet
