#pragma once
// Whether a process has ended, for tests of programs that must not be left running. A process
// killed after its parent ended may stay a zombie when nothing reaps it; it counts as gone.

#include <sys/types.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>

namespace gridlet {

inline bool ProcessRunning(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line)) return false;
    const std::size_t close = line.rfind(')');
    return close != std::string::npos && close + 2 < line.size() && line[close + 2] != 'Z';
}

// A kill takes effect when the process is next scheduled, so it is given a moment.
inline bool GoneWithin(pid_t pid, std::chrono::milliseconds timeout = std::chrono::seconds(2)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (ProcessRunning(pid)) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

}  // namespace gridlet
