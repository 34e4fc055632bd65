#pragma once
// The program composition: the accumulators placed into the section table in a fixed order, and
// the output route chosen from the request flags.

#include <string>

#include "interact/context.h"
#include "model/design.h"
#include "model/pass_state.h"

namespace gridlet {

// What section 3 puts around doStringBody.
constexpr char kDoStringOpening[] = " SUB DoString\r\n   LOCAL esc, hfont, Xs, Ys AS LONG\r\n\r\n";
constexpr char kDoStringClosing[] = "     FONT END hfont\r\n End SUB\r\n\r\n";

// The section table for the request flags, built afresh from the design's texts and the move
// menu's pending object; printer code when no flag is 1 and one is 2.
SectionTable ComposeSections(const Design& design, const AreaRequests& requests,
                             int moveToBackRequest, const std::string& movePreviewStatement);

// Composes into design.sections, then runs the route the requests ask for: code view, else
// preview, else the clipboard route for Build.
void ComposeProgram(Context& context);

}  // namespace gridlet
