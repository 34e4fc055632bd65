#pragma once
// Writing a file in one step, so that a crash or a full disk never leaves half a file in place of
// a good one: the bytes go into a new hidden file beside the name, which is flushed to the disk
// and then renamed. That file is created where no entry was, a link included, so a write never
// goes through a link another user planted in a shared folder.

#include <string>
#include <string_view>

namespace gridlet {

// A design file the user named (a native path). A link to a file that exists was named by the
// user, who agreed to replace that file: it is replaced and the link keeps naming it; a link to
// nothing is replaced by the file. A file replaced keeps its permission bits. Throws FileError,
// naming the path, leaving the old file as it was and no temporary file behind.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// A file the program makes on its own: whatever the name holds, a link included, is replaced and
// never written through. Throws FileError, leaving no temporary file behind: for a folder that
// takes no new file, one that says so and names the folder; for a name that cannot be replaced
// (a folder of that name, a file held), the error of a file another program holds (70).
void ReplaceOwnFile(const std::string& path, std::string_view bytes);

// A file the program makes on its own that never replaces another: written under the first of
// the names that no entry holds, a link included: the path's own name, then the name with "-2",
// "-3", ... before its extension. Returns the path written; throws FileError.
std::string WriteUnderFreeName(const std::string& path, std::string_view bytes);

// Removes from the folder the temporary files this user's writes left when their process was
// killed before the rename: those whose process has gone.
void RemoveStaleTemporaries(const std::string& folder);

}  // namespace gridlet
