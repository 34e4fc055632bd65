#pragma once
// The run-time error a failed file operation raises, from the system's error number. Permission
// denied (70) is kept for a file another program holds, as the error trap's text says; a file or
// folder the user may not write is a path/file access error (75).

#include <string>

#include "platform/basic_error.h"

namespace gridlet {

class FileError : public BasicError {
  public:
    // what() is the subject (the path, or what was done to it), a colon and the reason.
    FileError(int systemError, const std::string& subject);
    // For a failure whose number the caller knows better than the system's error does.
    FileError(int number, int systemError, const std::string& subject);

    // The system's words for what went wrong ("No space left on device").
    const std::string& reason() const { return reason_; }

  private:
    std::string reason_;
};

// The error of a folder that takes no new file or lets none go; it names the folder, whole.
FileError FolderNotWritable(int systemError, const std::string& folder);

}  // namespace gridlet
