#include "output/recovery_file.h"

#include <filesystem>

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

}  // namespace

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
