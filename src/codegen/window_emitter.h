#pragma once
// The routine header, the GRAPHIC WINDOW statements and the window background, written once when
// the graphic window is made from the marked area.

#include "design/design_state.h"

namespace gridlet {

// Does nothing and returns false when the window exists. Otherwise sets windowExists to 1,
// windowLeftCol to AreaLeft, windowTopRow to AreaTop, computes windowX, windowY, windowWidth and
// windowHeight, sets subHeader and windowCode, fills windowBackgroundCode from the current
// properties, and returns true.
bool EmitWindow(DesignState& state);

}  // namespace gridlet
