#pragma once
// The program composition: the design's texts placed into the section table in a fixed order,
// and the output route that the request names.

#include <string_view>

#include "interact/context.h"
#include "model/design.h"
#include "model/output_request.h"
#include "model/sections.h"

namespace gridlet {

// What section 3 puts around doStringBody.
constexpr char kDoStringOpening[] = " SUB DoString\r\n   LOCAL esc, hfont, Xs, Ys AS LONG\r\n\r\n";
constexpr char kDoStringClosing[] = "     FONT END hfont\r\n End SUB\r\n\r\n";

// The move menu's pending object while its Preview runs: composed with the design, in front of
// the objects sent to the back when toBack.
struct MovePreview {
    std::string_view statement;
    bool toBack = false;
};

// The section table built afresh from the design's texts and the move menu's pending object, as
// graphic-window or printer code.
SectionTable ComposeSections(const Design& design, CodeForm form, const MovePreview& preview = {});

// Composes the design with the move menu's pending object, then runs the route the request
// names: the clipboard for Build, the preview or the code view. Gives the sections composed.
SectionTable ComposeProgram(Context& context, const OutputRequest& request);

}  // namespace gridlet
