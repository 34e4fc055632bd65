#include "help/help_entries.h"

#include "screen/images.h"

namespace gridlet {

const std::array<HelpEntry, 8>& HelpEntries() {
    static constexpr std::array<HelpEntry, 8> entries{{
        {7, "A  Introduction", PaintHelpIntroductionPage},
        {9, "B  Create a Window", PaintHelpCreateWindowPage},
        {11, "C  Create Graphics", PaintHelpCreateGraphicsPage},
        {13, "D  CodeView\\Preview", PaintHelpCodeViewPreviewPage},
        {15, "E  Move Menu", PaintHelpMoveMenuPage},
        {17, "F  ARC & Pie Menu", PaintHelpArcPieMenuPage},
        {19, "G  Properties Menu", PaintHelpPropertiesMenuPage},
        {21, "S  Salvation", PaintHelpSalvationPage},
    }};
    return entries;
}

}  // namespace gridlet
