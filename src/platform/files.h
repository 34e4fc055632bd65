#pragma once
// The file operations of the output routes. A file that cannot be deleted raises the run-time
// error for a denied permission, which the main loop's error trap reports.

#include <string>

namespace gridlet {

// The full path of the process's current directory.
std::string CurrentDirectory();

// True when a directory entry of that name exists and is not a directory.
bool FileExists(const std::string& path);

// Deletes the file; throws FileError when it stays: the folder's (FolderNotWritable) when the
// folder lets no file go, else 70, for a file another program holds.
void DeleteFile(const std::string& path);

}  // namespace gridlet
