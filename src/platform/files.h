#pragma once
// The file operations of the output routes. A file that cannot be deleted or written raises the
// run-time error for a denied permission, which the main loop's error trap reports.

#include <string>

namespace gridlet {

// The full path of the process's current directory.
std::string CurrentDirectory();

// True when a directory entry of that name exists and is not a directory.
bool FileExists(const std::string& path);

// Deletes the file; throws BasicError 70 when it stays.
void DeleteFile(const std::string& path);

// Creates the file or cuts it to nothing and writes the bytes as they are; throws BasicError 70
// when they cannot all be written.
void WriteFileBytes(const std::string& path, const std::string& bytes);

}  // namespace gridlet
