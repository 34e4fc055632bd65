#include "platform/program_environment.h"

#include <cstdlib>

namespace gridlet {

std::string EnvironmentVariable(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

ProgramEnvironment ProgramEnvironmentOfThisProcess() {
    return {EnvironmentVariable("PATH"), EnvironmentVariable("WINEPREFIX"),
            EnvironmentVariable("HOME"), EnvironmentVariable("VISUAL"),
            EnvironmentVariable("EDITOR")};
}

}  // namespace gridlet
