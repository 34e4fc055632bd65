#pragma once
// A folder that refuses new files as a read-only or a full disk does, also when the tests run as
// root, where permission bits do not apply: there a small tmpfs is mounted over it, in a mount
// namespace of the test process's own, so that nothing outside the process sees it.

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

namespace gridlet {

class RefusingFolder {
  public:
    enum class Kind { ReadOnly, Full };

    // Makes the folder at the path.
    RefusingFolder(const std::filesystem::path& at, Kind kind) : path_(at) {
        std::filesystem::create_directories(at);
        if (geteuid() != 0 && kind == Kind::ReadOnly) {
            chmod(at.c_str(), 0555);
            error = EACCES;
            chmodded_ = true;
            return;
        }
        if (geteuid() != 0) {
            unavailable = "a full disk needs a tmpfs mounted, which only root may do here";
            return;
        }
        unavailable = OwnMountNamespace();
        if (!unavailable.empty()) return;
        const bool readOnly = kind == Kind::ReadOnly;
        // One page: a file's entry fits, a design file's bytes do not.
        if (mount("tmpfs", at.c_str(), "tmpfs", readOnly ? MS_RDONLY : 0,
                  readOnly ? nullptr : "size=4k") != 0) {
            unavailable = std::string("tmpfs not mounted: ") + std::strerror(errno);
            return;
        }
        mounted_ = true;
        error = readOnly ? EROFS : ENOSPC;
    }
    ~RefusingFolder() {
        if (mounted_) umount2(path_.c_str(), MNT_DETACH);
        if (chmodded_) chmod(path_.c_str(), 0755);
    }
    RefusingFolder(const RefusingFolder&) = delete;
    RefusingFolder& operator=(const RefusingFolder&) = delete;

    std::string unavailable;  // why the folder could not be made to refuse; empty when it does
    int error = 0;            // the system's error for a new file written there

  private:
    static std::string OwnMountNamespace() {
        static const std::string failure = []() -> std::string {
            if (unshare(CLONE_NEWNS) != 0 ||
                mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
                return std::string("no mount namespace of its own: ") + std::strerror(errno);
            }
            return "";
        }();
        return failure;
    }

    std::filesystem::path path_;
    bool mounted_ = false;
    bool chmodded_ = false;
};

}  // namespace gridlet
