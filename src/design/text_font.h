#pragma once
// The font and colours of the next text or string variable.

#include "interact/context.h"

namespace gridlet {

// Turns the font record and the current colours into the font head and the chosen text font, and
// adds the font locals.
void BuildFontHead(Context& context);

// The font chooser, then its font head.
void ChooseFontHead(Context& context);

// The right strip's Text: the font chooser, the properties menu for the colours, then the font
// head with both.
void TextPropertiesSetUp(Context& context);

}  // namespace gridlet
