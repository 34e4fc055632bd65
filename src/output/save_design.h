#pragma once
// Keeping the design in a design file: at any time, and on the way out of the program.

#include <string>

#include "interact/context.h"

namespace gridlet {

// The name with ".GDL" after it, unless it ends in ".GDL" already in any mix of case.
std::string WithDesignExtension(const std::string& name);

// After YES in the exit dialog and Yes to " Save this Window?": the pass's screen comes back and
// is kept as the image, with the design as it stands now; a design holding characters the file
// cannot keep asks first; a design saved with no change since goes to its file again, any other
// to the file the user names in the chooser, which starts at the design's file; it is written in
// one step. True when the file was written and the program may end; false, so that the design
// goes on, when the user backed out (No to the question, Cancel in the chooser) or the file could
// not be written: row 46 then says for 3 s which file and why (" Not saved: NAME: reason").
bool SaveDesignOnExit(Context& context);

enum class SaveTarget { SameFile, NewName };

// Ctrl+S (SameFile) and F12 (NewName) while the user designs: as on the way out, but the design
// goes to its own file without the chooser unless a new name is asked for or it has none yet. The
// next pass's row 46 says " Saved NAME" or why it was not; a design not saved keeps its unsaved
// mark.
void SaveDesignNow(Context& context, SaveTarget target);

}  // namespace gridlet
