#pragma once
// Opening a design file at start.

#include <string>

#include "interact/context.h"
#include "output/design_file.h"

namespace gridlet {

// The design file at path (a native path), read and decoded. Throws BasicError when it cannot be
// read or holds less than a design file does.
DesignFileContents ReadDesignFile(const std::string& path);

// Writes the stored screen to the console and puts the stored design back: its code, and the
// objects read back from it, with their placements to undo.
void ApplyDesignFile(Context& context, const DesignFileContents& contents);

// After Yes to "Open a previous Window?": the user chooses a design file, which is shown and
// restored. Cancel leaves everything as it is. A file that cannot be read throws its BasicError,
// for the main loop's error trap, before anything of the design or the screen has changed.
void OpenDesignAtStart(Context& context);

}  // namespace gridlet
