#pragma once
// The end of a session that ended from below (SessionEnd): the design is kept before the program
// goes.

#include <string>
#include <vector>

#include "interact/context.h"
#include "platform/session_end.h"

namespace gridlet {

// Keeps a design that holds anything in a recovery file, in the first of the folders that takes
// it, with the screen of the pass in progress. Gives the lines to say once the terminal is
// restored: the session end's own message, then where the design was kept, last.
std::vector<std::string> CloseSession(Context& context, const SessionEnd& end,
                                      const std::vector<std::string>& folders);

}  // namespace gridlet
