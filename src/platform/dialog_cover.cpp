#include "platform/dialog_cover.h"

namespace gridlet {

DialogCover::DialogCover(Console& console, const CellRect& rect)
    : console_(console),
      rect_(rect),
      cells_(console.ReadBlock(rect)),
      attribute_(console.Attribute()),
      cursorRow_(console.CursorRow()),
      cursorCol_(console.CursorCol()),
      cursorVisible_(console.CursorVisible()),
      mouseButtons_(console.MouseButtons()),
      mouseKinds_(console.MouseKinds()) {}

DialogCover::~DialogCover() {
    console_.WriteBlock(rect_, cells_);
    console_.SetColor(attribute_ & 15, attribute_ >> 4);
    console_.Locate(cursorRow_, cursorCol_);
    console_.SetCursorVisible(cursorVisible_);
    console_.SetMouseEvents(mouseButtons_, mouseKinds_);
}

}  // namespace gridlet
