#pragma once
// The run-time error a failed file operation raises, from the system's error number. Permission
// denied (70) is kept for a file another program holds, as the error trap's text says; a file or
// folder the user may not write is a path/file access error (75).

#include <string>

#include "platform/basic_error.h"

namespace gridlet {

BasicError FileError(int systemError, const std::string& path);

}  // namespace gridlet
