#pragma once
// The LOCAL declarations of the generated routine; each line goes in at most once.

#include <string>
#include <string_view>

namespace gridlet {

// localDecls with line + CR LF appended, unless it already contains the probe.
std::string AddLocal(std::string localDecls, std::string_view line, std::string_view probe);

// localDecls with the RR1, RR2 and sPts locals that the star and polygon statements use.
std::string AddStarLocals(std::string localDecls);
std::string AddPolygonLocals(std::string localDecls);

// localDecls with the esc and hFont locals of a font head, unless a line names HFONT in any case.
std::string AddFontLocals(std::string localDecls);

// localDecls with the nWidth, nHeight, Xs and Ys locals of a text block.
std::string AddTextLocals(std::string localDecls);

}  // namespace gridlet
