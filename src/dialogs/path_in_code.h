#pragma once
// Whether a file's path can stand in the generated code, inside a string literal of a source
// file read as Windows-1252.

#include <string>
#include <string_view>

namespace gridlet {

// Why the path (as the file system has it, UTF-8) cannot be written into the code, as the end
// of a sentence; empty when it can.
std::string WhyNotInCode(std::string_view path);

}  // namespace gridlet
