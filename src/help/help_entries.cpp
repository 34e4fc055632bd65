#include "help/help_entries.h"

#include "help/help_arc_pie_menu_art.h"
#include "help/help_codeview_preview_art.h"
#include "help/help_create_graphics_art.h"
#include "help/help_create_window_art.h"
#include "help/help_introduction_art.h"
#include "help/help_move_menu_art.h"
#include "help/help_properties_menu_art.h"
#include "help/help_salvation_art.h"

namespace gridlet {

const std::array<HelpEntry, 8>& HelpEntries() {
    static const std::array<HelpEntry, 8> entries{{
        {7, "A  Introduction", kHelpIntroductionPage},
        {9, "B  Create a Window", kHelpCreateWindowPage},
        {11, "C  Create Graphics", kHelpCreateGraphicsPage},
        {13, "D  CodeView\\Preview", kHelpCodeViewPreviewPage},
        {15, "E  Move Menu", kHelpMoveMenuPage},
        {17, "F  ARC & Pie Menu", kHelpArcPieMenuPage},
        {19, "G  Properties Menu", kHelpPropertiesMenuPage},
        {21, "S  Salvation", kHelpSalvationPage},
    }};
    return entries;
}

}  // namespace gridlet
