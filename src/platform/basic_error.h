#pragma once
// A run-time error with its BASIC error number; the main loop's error trap handles it.

#include <stdexcept>
#include <string>

namespace gridlet {

constexpr int kErrorOutOfMemory = 7;
constexpr int kErrorFileNotFound = 53;
constexpr int kErrorDeviceIo = 57;
constexpr int kErrorDiskFull = 61;
constexpr int kErrorInputPastEnd = 62;
constexpr int kErrorBadFileName = 64;
constexpr int kErrorPermissionDenied = 70;
constexpr int kErrorPathFileAccess = 75;
constexpr int kErrorPathNotFound = 76;

class BasicError : public std::runtime_error {
  public:
    BasicError(int number, const std::string& what) : std::runtime_error(what), number_(number) {}
    int number() const { return number_; }

  private:
    int number_;
};

}  // namespace gridlet
