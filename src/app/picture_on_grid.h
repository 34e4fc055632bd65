#pragma once
// The picture view of the grid: its window area shows the design's picture in place of the
// objects' marks, while what is drawn over the marks (the rubber band, the marks of the object
// being placed, panels) shows over the picture.

#include <string>
#include <vector>

#include "model/design.h"
#include "output/design_picture.h"
#include "platform/console.h"

namespace gridlet {

class PictureOnGrid {
  public:
    // Brings the window area up to the design: its picture when on, the marks otherwise. The
    // screen as it is now becomes what the picture stands in for. Gives a line for row 46 when
    // the picture has statements not drawn that were not listed before; empty otherwise.
    std::string Show(Console& console, const Design& design, bool on);

  private:
    DesignPicture picture_;
    std::vector<NotDrawn> listed_;
};

}  // namespace gridlet
