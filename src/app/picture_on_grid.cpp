#include "app/picture_on_grid.h"

#include <algorithm>

#include "output/grid_picture.h"
#include "output/preview_picture.h"

namespace gridlet {
namespace {

bool SameList(const std::vector<NotDrawn>& a, const std::vector<NotDrawn>& b) {
    const auto same = [](const NotDrawn& x, const NotDrawn& y) {
        return x.line == y.line && x.text == y.text && x.reason == y.reason;
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), same);
}

}  // namespace

std::string PictureOnGrid::Show(Console& console, const Design& design, bool on) {
    if (!on || design.windowExists == 0) {
        console.HideCellPicture();
        return {};
    }
    if (picture_.Update(design) != PictureChange::None || !console.ShowsCellPicture())
        console.ShowCellPicture(WindowCellPicture(design, picture_.Picture()));
    console.SetPictureBase();
    const std::vector<NotDrawn>& notDrawn = picture_.NotDrawnList();
    if (SameList(notDrawn, listed_)) return {};
    listed_ = notDrawn;
    if (notDrawn.empty()) return {};
    return NotDrawnRows(notDrawn, 2)[0];
}

}  // namespace gridlet
