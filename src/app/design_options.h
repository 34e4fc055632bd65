#pragma once
// The command line's design options: a design file to open at start, or one whose code is printed.

#include <optional>
#include <string>
#include <vector>

#include "output/design_file.h"

namespace gridlet {

struct DesignOptions {
    enum class Action { Run, PrintCode, Help, Refuse };
    Action action = Action::Run;
    std::string designPath;  // the design to open at start or to print the code of; may be empty
    bool printer = false;    // printer code rather than graphic-window code
    std::string refusal;     // why the arguments were refused
};

// The arguments after the program's name.
DesignOptions ParseDesignOptions(const std::vector<std::string>& arguments);

// The help text: every option, one line of usage first.
std::string UsageText();

// The code Build would put on the clipboard for the stored design, graphic-window or printer code,
// with its CR LF line ends; nothing when the design has no graphic window, which Build needs.
std::optional<std::string> DesignCode(const DesignFileContents& contents, bool printer);

}  // namespace gridlet
