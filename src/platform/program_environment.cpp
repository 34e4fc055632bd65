#include "platform/program_environment.h"

#include <cstdlib>

namespace gridlet {
namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

ProgramEnvironment ProgramEnvironmentOfThisProcess() {
    return {Variable("PATH"), Variable("WINEPREFIX"), Variable("HOME"), Variable("VISUAL"),
            Variable("EDITOR")};
}

}  // namespace gridlet
