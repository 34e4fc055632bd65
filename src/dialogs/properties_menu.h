#pragma once
// The properties menu: sets the current properties for the object placed next.

#include "interact/context.h"

namespace gridlet {

// Runs the menu until OK; the buttons that respond depend on the properties target flags. The
// screen is as it was before the call when it returns.
void OpenPropertiesMenu(Context& context);

}  // namespace gridlet
