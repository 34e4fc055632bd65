#pragma once
// The text-entry dialog: a framed multi-line edit box drawn over the marked area, so the text is
// typed where it will stand, with the font it will have named in the frame, and an Ok button that
// is the only way out.

#include <string>
#include <string_view>

#include "model/properties.h"
#include "platform/cell_rect.h"
#include "screen/screen.h"

namespace gridlet {

// The dialog's sizes in dialog units for an area of so many columns and rows: the edit box is 5.5
// units a column (a one-column area counts as two), 10 a row; the dialog 15 and 50 larger.
struct TextEntrySizes {
    int editWidth;
    int editHeight;
    int dialogWidth;
    int dialogHeight;
};
TextEntrySizes TextEntrySizesFor(int columns, int rows);

// The frame's title: face, size and effects of the chosen font, Lucida Console 10 pt when none
// is chosen.
std::string FontTitle(const ChosenTextFont& font);

// Runs the dialog until Ok (a click on it, Enter on it, Alt+O); Esc does nothing. The box starts
// with text, the cursor after it. Gives the text, at most 3999 characters with lines joined by
// CR LF, without blanks and line breaks at either end. What the dialog covered comes back.
std::string EnterText(Screen& screen, const CellRect& area, const ChosenTextFont& font,
                      std::string_view text = {});

}  // namespace gridlet
