#pragma once

#include "interact/context.h"

namespace gridlet {

enum class ExitChoice { Stay, Quit };

// The exit dialog; Quit when the user confirmed leaving.
ExitChoice ExitCommand(Context& context);

}  // namespace gridlet
