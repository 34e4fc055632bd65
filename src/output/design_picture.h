#pragma once
// The design's picture as the renderer draws its program, kept between changes. A change that only
// adds lines at the end of the drawing routine (an object on top of all the others) is drawn onto
// the picture kept; any other change (an object underneath, sent to the back, a paint, an edit, a
// delete, an undo, a design opened) draws the whole again.

#include <memory>
#include <string>
#include <vector>

#include "model/design.h"
#include "render/open_drawing.h"
#include "render/render_program.h"

namespace gridlet {

enum class PictureChange { None, Added, Redrawn };

class DesignPicture {
  public:
    // Brings the picture up to the design, and says how.
    PictureChange Update(const Design& design);

    // The window's picture; empty while the design has no window.
    const RgbImage& Picture() const { return picture_; }
    const std::vector<NotDrawn>& NotDrawnList() const { return notDrawn_; }

  private:
    // The routine alone is kept open; a complete program (string variables after it) is drawn
    // whole.
    void Redraw(std::string head, std::string tail, bool routineOnly);

    // The program drawn: its text up to the end of the drawing routine, and the rest.
    std::string head_;
    std::string tail_;
    // Kept open while the routine is all that draws; none when string variables are drawn after.
    std::unique_ptr<OpenDrawing> open_;
    RgbImage picture_;
    std::vector<NotDrawn> notDrawn_;
};

}  // namespace gridlet
