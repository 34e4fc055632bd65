#pragma once
// The area phase: marking two corners on the design grid, or a button that needs no area.

#include <string>

#include "interact/strip_buttons.h"
#include "model/design.h"
#include "model/marked_area.h"
#include "model/output_request.h"
#include "screen/screen.h"

namespace gridlet {

enum class AreaOutcome { Nothing, Marked, Request };

// How the area phase ended: with an area marked, with a request (and the code form a right or
// left click asked for), or with neither.
struct AreaResult {
    AreaOutcome outcome = AreaOutcome::Nothing;
    AreaRequest request = AreaRequest::None;
    CodeForm form = CodeForm::GraphicWindow;
};

// Marks the area's corners, or gives the request of a button that needs no area. Shows
// hintRowNotice on row 46, once, in place of the prompt or the blank row.
AreaResult SelectArea(Screen& screen, Design& design, MarkedArea& area, std::string& hintRowNotice);

}  // namespace gridlet
