#pragma once
// The object number and pixel corners a tool would have computed, and the block it would build.

#include <string>

#include "codegen/statement_emitter.h"

namespace gridlet {

inline void Place(StatementValues& v, int n, int x1, int y1, int x2, int y2) {
    v.objectNumber = n;
    v.x1 = x1;
    v.y1 = y1;
    v.x2 = x2;
    v.y2 = y2;
}

// The placement block of an object with the default properties.
inline std::string PlacedBlock(ObjectKind kind, int n, int x1, int y1, int x2, int y2) {
    StatementValues values;
    Place(values, n, x1, y1, x2, y2);
    return StatementBlock(values, kind, Build::Placement);
}

}  // namespace gridlet
