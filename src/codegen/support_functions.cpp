#include "codegen/support_functions.h"

#include <string_view>

#include "codegen/support_chunks.h"

namespace gridlet {
namespace {

void AddChunk(std::string& accumulator, std::string_view marker, std::string_view chunk) {
    if (accumulator.find(marker) == std::string::npos) accumulator.append(chunk);
}

void AddPolyPointType(DesignState& s) {
    AddChunk(s.typeDecls, "TYPE PolyPoint", kPolyPointType);
}

void AddDegreeToRadian(DesignState& s) {
    AddChunk(s.supportFunctions, "FUNCTION fDegree2Radian", kDegreeToRadianFunction);
}

}  // namespace

void AddStarSupport(DesignState& state) {
    AddPolyPointType(state);
    AddChunk(state.supportFunctions, "FUNCTION fPolygonPoints", kPolygonPointsFunction);
    AddChunk(state.supportFunctions, "FUNCTION GRAPHIC_Star", kStarFunction);
    AddDegreeToRadian(state);
}

// The marker's trailing blank keeps fPolygonPoints from passing for fPolygon.
void AddPolygonSupport(DesignState& state) {
    AddPolyPointType(state);
    AddChunk(state.typeDecls, "TYPE PolyArray", kPolyArrayType);
    AddChunk(state.supportFunctions, "FUNCTION fPolygon ", kPolygonFunction);
    AddDegreeToRadian(state);
}

}  // namespace gridlet
