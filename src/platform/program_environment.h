#pragma once
// The environment variables that say where outside programs are and which ones the user wants.

#include <string>

namespace gridlet {

struct ProgramEnvironment {
    std::string searchPath;  // PATH
    std::string winePrefix;  // WINEPREFIX; wine's own default under home when empty
    std::string home;        // HOME
    std::string visual;      // VISUAL, the user's editor
    std::string editor;      // EDITOR, the user's editor when VISUAL is not set
};

ProgramEnvironment ProgramEnvironmentOfThisProcess();

// The value of one of this process's environment variables; empty when it is not set.
std::string EnvironmentVariable(const char* name);

}  // namespace gridlet
