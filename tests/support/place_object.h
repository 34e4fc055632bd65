#pragma once
// Sets the object number and pixel corners a tool would have computed.

#include "design/design_state.h"

namespace gridlet {

inline void Place(DesignState& s, int n, int x1, int y1, int x2, int y2) {
    s.objectNumber = n;
    s.x1 = x1;
    s.y1 = y1;
    s.x2 = x2;
    s.y2 = y2;
}

}  // namespace gridlet
