#pragma once
// The font chooser, drawn in the console over the target's faces and the installed font families.

#include <string>

#include "model/design.h"
#include "model/properties.h"
#include "platform/font_catalog.h"
#include "screen/screen.h"

namespace gridlet {

// The faces every Windows machine has, then the other fonts of this system.
const FontCatalog& SystemFonts();

// The default GUI font: the catalog's default family, 8 points (height -11), weight 400,
// character set 0.
LogicalFont DefaultGuiFont(const FontCatalog& fonts);

// Fills the record from the default GUI font, then lets the user choose family, size, bold,
// italic, underline and strike-out; the heading between the groups is refused with a beep. After
// Cancel the record holds the default GUI font.
void ChooseTextFont(Screen& screen, LogicalFont& record, const FontCatalog& fonts = SystemFonts());

// The chooser opened on the record's face, size and effects, for a font chosen before; Cancel
// leaves the record as it was.
void ChangeTextFont(Screen& screen, LogicalFont& record, const FontCatalog& fonts = SystemFonts());

}  // namespace gridlet
