#pragma once

#include "interact/context.h"

namespace gridlet {

enum class ExitChoice { Stay, Quit };

// The exit dialog, with the save of the design; Quit when the user confirmed leaving and the
// design was saved or was not to be.
ExitChoice ExitCommand(Context& context);

}  // namespace gridlet
