#pragma once
// Replacing a file in one step, so that a crash or a full disk never leaves half a file in place
// of a good one.

#include <string>
#include <string_view>

namespace gridlet {

// Writes bytes as the whole file at path (a native path): first into a new file beside it, which
// is flushed to the disk and then renamed over the old one. A file replaced keeps its permission
// bits; a symbolic link keeps naming the file it named. Throws the BasicError of FileError when it
// fails, leaving the old file as it was and no temporary file behind.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace gridlet
