#pragma once
// Keeping a design when the program ends without the user's say: the terminal went away or the
// program was told to stop; and finding it again at the next start.

#include <string>
#include <vector>

#include "model/design.h"

namespace gridlet {

constexpr char kRecoveryFileName[] = "Gridlet-recovered.GDL";

// Where the recovery file goes, in the order tried: the current directory, then
// $XDG_STATE_HOME/gridlet, or ~/.local/state/gridlet when that is not set (or not absolute).
// Either variable may be null.
std::vector<std::string> RecoveryFolders(const char* xdgStateHome, const char* home);

struct RecoveryResult {
    std::string path;   // where the design was kept; empty when it could not be
    std::string error;  // why the last place failed, when it could not be
};

// The recovery file in the folder written last (Gridlet-recovered.GDL or one of its numbered
// names), as a path in the folder; empty when there is none.
std::string NewestRecoveryFile(const std::string& folder);

// Writes the design with the screen image as a design file, in one step, into the first of the
// folders that takes it; a folder that does not exist is made. The file is kRecoveryFileName, or
// the next free name (Gridlet-recovered-2.GDL, ...): another run's recovery is never replaced.
RecoveryResult KeepRecoveredDesign(const Design& design, const std::string& screenImage,
                                   const std::vector<std::string>& folders);

}  // namespace gridlet
