#pragma once
// Which outside programs the preview and the code view use, and how they are called: the target
// compiler and JfishPro.exe through wine, the user's editor otherwise.

#include <string>
#include <vector>

#include "platform/program_environment.h"

namespace gridlet {

// The compiler's place as wine sees it; wine finds it under drive_c of its prefix.
constexpr char kCompilerPath[] = "C:\\PBwin90\\BIN\\PBwin.EXE";

// The path of wine when it is on the search path and the compiler is installed in its prefix
// (WINEPREFIX, else ~/.wine; names compared without regard to case, as wine does); empty
// otherwise.
std::string CompilerWine(const ProgramEnvironment& environment);

// A Linux path as wine's Windows programs name it: on drive Z:, with backslashes.
std::string WindowsPath(const std::string& path);

// The editors to try, in order, each an argument vector whose first element is a path and whose
// last is the file: JfishPro.exe in the directory through wine, $VISUAL, $EDITOR (split at
// blanks, no shell), then sensible-editor, editor, nano and vi. Those not found are left out.
std::vector<std::vector<std::string>> EditorCommands(const ProgramEnvironment& environment,
                                                     const std::string& directory,
                                                     const std::string& file);

}  // namespace gridlet
