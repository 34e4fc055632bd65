#include "interact/hints.h"

#include <array>
#include <string_view>

namespace gridlet {
namespace {

constexpr std::size_t kHintWidth = 89;

// One text per button, from the top; empty where the button has no hint.
constexpr std::array<std::string_view, 15> kLeftHints = {
    " Place Text on Window according to area. For a better Proportional fit, change font size",
    " Draw an outline of a Star. It can't be filled by XPRINT, but it can by Graphic",
    " Draw a fillable Polygon. Colors, sides, etc  can be changed in Properties",
    " Draw a fillable Rectangle. Colors, corner, etc can be changed in Properties",
    " Draw a fillable Circle or Oval. Colors, patterns can be changed in Properties",
    " Click twice in one spot and click here, click anywhere else and click linestep",
    " After clicking on Line, Click twice anywhere on grid and then click here",
    " Click here to paint up to borders of matching colors as setup in properties",
    " Replace paint of area that was clicked twice on in one spot",
    " Render a Bmp starting at top left corner of area selected",
    " Render a Bmp to the size of an area selected.",
    " Create a Window to size of the area selected on the grid. New grid is created",
    " Create an ARC with default black line colors. Click on Right Menu's ARC for Moves",
    " Create a PIE with default Black border colors and no Fill",
    " Left click to build a Graphic Window Sub, Right click to build one for XPRINT",
};

constexpr std::array<std::string_view, 15> kRightHints = {
    "Set up Fonts, Foreground and Background colors, Move Menu and INCR/DECR Text column width",
    " Set up Border width, border colors and number of points for a  Star. Use Paint for fills",
    " Polygon Border Width, border colors, fill colors, number of sides and fill style",
    " Set up Border width, border colors, fill style, and  rounded corner numbers",
    " Set up Border width and color, fill color and pattern number",
    " Set up Line width and color",
    " Do PB Bitmap Stretch statement, Not functional yet",
    " Recolor Window or Fill with a patern",
    "",
    " ARC Menu has 8 1/8 circle preset buttons, Change line colors only from this menu",
    " PIE Menu has 8 1/8 circle preset buttons, Click on buttons Counter Clockwise",
    " If you put Gridlet and JfishPro in the Compiler's folder, You can view the code",
    " If you put Gridlet in the Compiler's folder, you can view the GUI in its present state",
    " Undo last item created, there is no redo, so you will have to recreate it",
    " Exit the program",
};

std::string HintFor(const std::array<std::string_view, 15>& hints, int row) {
    if (row < 1 || row > 45) return {};
    const std::string_view text = hints[static_cast<std::size_t>((row - 1) / 3)];
    if (text.empty()) return {};
    std::string line(text);
    line.resize(kHintWidth, ' ');
    return line;
}

}  // namespace

std::string LeftStripHint(int row) {
    return HintFor(kLeftHints, row);
}
std::string RightStripHint(int row) {
    return HintFor(kRightHints, row);
}

}  // namespace gridlet
