#pragma once
// The code a stored design gives, as Build would put it on the clipboard.

#include <optional>
#include <string>

#include "output/design_file.h"

namespace gridlet {

// Graphic-window or printer code, with its CR LF line ends; nothing when the design has no
// graphic window, which Build needs.
std::optional<std::string> DesignCode(const DesignFileContents& contents, bool printer);

}  // namespace gridlet
