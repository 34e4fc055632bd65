#pragma once
// The LOCAL declarations of the generated routine; each line goes in at most once.

#include <string_view>

#include "design/design_state.h"

namespace gridlet {

// Appends line + CR LF to localDecls unless localDecls already contains the probe.
void AddLocal(DesignState& state, std::string_view line, std::string_view probe);

// The RR1, RR2 and sPts locals that the star and polygon statements use.
void AddStarLocals(DesignState& state);
void AddPolygonLocals(DesignState& state);

}  // namespace gridlet
