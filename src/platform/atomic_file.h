#pragma once
// Files written whole or not at all, so a crash or a full disk never leaves half a file in place
// of the one that was there.

#include <string>
#include <string_view>

namespace gridlet {

// Writes the bytes to a temporary file beside the path, flushes it to the disk and renames it to
// the path. Returns why it failed (the system's words), or the empty text once the file is in
// place; on failure the path keeps what it held and no temporary file is left.
std::string WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace gridlet
