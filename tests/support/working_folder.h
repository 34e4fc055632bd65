#pragma once
// A fresh folder named for the running test as the current directory while the test runs; the
// previous directory comes back and the folder goes afterwards.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

namespace gridlet {

class WorkingFolder {
  public:
    // The prefix starts the folder's name; whatever an earlier run left there is removed first.
    explicit WorkingFolder(const std::string& prefix) : previous_(std::filesystem::current_path()) {
        std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        // A parameterised test's name holds a slash, which would leave a parent folder behind.
        std::replace(test.begin(), test.end(), '/', '-');
        path = std::filesystem::temp_directory_path() / (prefix + test);
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
        std::filesystem::current_path(path);
        path = std::filesystem::current_path();
    }
    ~WorkingFolder() {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(path);
    }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

    std::filesystem::path path;

  private:
    std::filesystem::path previous_;
};

}  // namespace gridlet
