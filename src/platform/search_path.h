#pragma once
// Finding a program the way a shell does, on a PATH-style list of folders.

#include <string>
#include <string_view>

namespace gridlet {

// The first executable file of that name in the folders of searchPath (separated by ":"); a name
// with a "/" in it stands for itself. Empty when there is none.
std::string FindOnPath(std::string_view name, std::string_view searchPath);

}  // namespace gridlet
