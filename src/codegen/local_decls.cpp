#include "codegen/local_decls.h"

#include <string>

namespace gridlet {
namespace {

constexpr std::string_view kSinglePointsLine = "  LOCAL sPts AS SINGLE";
constexpr std::string_view kSinglePointsProbe = "LOCAL sPts AS SINGLE";

}  // namespace

void AddLocal(DesignState& state, std::string_view line, std::string_view probe) {
    if (state.localDecls.find(probe) != std::string::npos) return;
    state.localDecls.append(line);
    state.localDecls.append("\r\n");
}

void AddStarLocals(DesignState& state) {
    AddLocal(state, "  LOCAL RR1, RR2 AS EXT", "RR1");
    AddLocal(state, kSinglePointsLine, kSinglePointsProbe);
}

// The polygon's RR line has four leading blanks where the star's has two.
void AddPolygonLocals(DesignState& state) {
    AddLocal(state, "    LOCAL RR1, RR2 AS EXT", "RR1");
    AddLocal(state, kSinglePointsLine, kSinglePointsProbe);
}

}  // namespace gridlet
