#pragma once
// Reading a whole file, with a bound on its size.

#include <cstddef>
#include <string>

namespace gridlet {

// The bytes of the file at path (a native path). Throws the BasicError of FileError when it cannot
// be read, and out of memory (7) for a file of more than maxBytes.
std::string ReadFileBytes(const std::string& path, std::size_t maxBytes);

}  // namespace gridlet
