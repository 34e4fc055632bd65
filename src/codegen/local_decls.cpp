#include "codegen/local_decls.h"

#include "platform/text_case.h"

namespace gridlet {
namespace {

constexpr std::string_view kSinglePointsLine = "  LOCAL sPts AS SINGLE";
constexpr std::string_view kSinglePointsProbe = "LOCAL sPts AS SINGLE";

}  // namespace

std::string AddLocal(std::string localDecls, std::string_view line, std::string_view probe) {
    if (localDecls.find(probe) != std::string::npos) return localDecls;
    localDecls.append(line);
    localDecls.append("\r\n");
    return localDecls;
}

std::string AddStarLocals(std::string localDecls) {
    localDecls = AddLocal(std::move(localDecls), "  LOCAL RR1, RR2 AS EXT", "RR1");
    return AddLocal(std::move(localDecls), kSinglePointsLine, kSinglePointsProbe);
}

// The polygon's RR line has four leading blanks where the star's has two.
std::string AddPolygonLocals(std::string localDecls) {
    localDecls = AddLocal(std::move(localDecls), "    LOCAL RR1, RR2 AS EXT", "RR1");
    return AddLocal(std::move(localDecls), kSinglePointsLine, kSinglePointsProbe);
}

std::string AddFontLocals(std::string localDecls) {
    if (!ContainsIgnoringCase(localDecls, "HFONT")) localDecls += "   LOCAL esc, HFONT AS LONG\r\n";
    return localDecls;
}

std::string AddTextLocals(std::string localDecls) {
    return AddLocal(std::move(localDecls), "   LOCAL nWidth, nHeight, Xs, Ys AS LONG\r\n",
                    "nWidth,");
}

}  // namespace gridlet
