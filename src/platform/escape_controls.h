#pragma once
// Text from outside (a file name, a folder) made safe to show in a terminal line: a control
// character in it would otherwise act on the terminal.

#include <string>
#include <string_view>

namespace gridlet {

// The text with every control character written as an escape: \e, \a, \b, \t, \n, \v, \f, \r by
// name, the others of C0, DEL and the C1 controls (as UTF-8) as \xHH or \uHHHH. Everything else is
// left as it is.
std::string EscapeControls(std::string_view text);

}  // namespace gridlet
