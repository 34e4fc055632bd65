#pragma once
// The file chooser: a browser of the current directory drawn in the console, for opening a
// design or a bitmap and for saving a design.

#include <string>
#include <string_view>

#include "interact/context.h"

namespace gridlet {

enum class FileMode { OpenDesign, OpenBitmap, SaveDesign };

struct FileChoice {
    std::string path;        // the full path as the file system has it, for every file operation
    std::string designPath;  // the same in Windows-1252, for the design's texts and the code
    int result = 0;          // non-zero when a file was chosen; both paths are empty otherwise
};

// A file name pattern with * and ?, matched without regard to case.
bool MatchesFilter(std::string_view name, std::string_view pattern);

// Names the previously chosen file in the console title, lets the user choose, and keeps the
// result as the last chosen path. A bitmap's path goes into the code, so one that cannot be
// written there is refused with the reason. A path in startAt is where the chooser starts: its
// folder shown, its name in the field.
FileChoice ChooseFile(Context& context, FileMode mode, const std::string& startAt = {});

}  // namespace gridlet
