#include "codegen/support_functions.h"

#include <string_view>

#include "codegen/support_chunks.h"

namespace gridlet {
namespace {

void AddChunk(std::string& accumulator, std::string_view marker, std::string_view chunk) {
    if (accumulator.find(marker) == std::string::npos) accumulator.append(chunk);
}

void AddPolyPointType(SupportTexts& texts) {
    AddChunk(texts.typeDecls, "TYPE PolyPoint", kPolyPointType);
}

void AddDegreeToRadian(SupportTexts& texts) {
    AddChunk(texts.supportFunctions, "FUNCTION fDegree2Radian", kDegreeToRadianFunction);
}

}  // namespace

SupportTexts AddStarSupport(SupportTexts texts) {
    AddPolyPointType(texts);
    AddChunk(texts.supportFunctions, "FUNCTION fPolygonPoints", kPolygonPointsFunction);
    AddChunk(texts.supportFunctions, "FUNCTION GRAPHIC_Star", kStarFunction);
    AddDegreeToRadian(texts);
    return texts;
}

// The marker's trailing blank keeps fPolygonPoints from passing for fPolygon.
SupportTexts AddPolygonSupport(SupportTexts texts) {
    AddPolyPointType(texts);
    AddChunk(texts.typeDecls, "TYPE PolyArray", kPolyArrayType);
    AddChunk(texts.supportFunctions, "FUNCTION fPolygon ", kPolygonFunction);
    AddDegreeToRadian(texts);
    return texts;
}

}  // namespace gridlet
