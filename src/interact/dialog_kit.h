#pragma once
// Pieces shared by the dialogs drawn in the console: reading a click or a key, writing a field,
// and editing a number field.

#include <cstddef>
#include <string>

#include "platform/console_event.h"
#include "platform/keys.h"
#include "screen/screen.h"

namespace gridlet {

// The colours of the dialogs drawn in the console.
constexpr int kPanelAttribute = 0x70;         // black on light grey
constexpr int kFieldAttribute = 0xF0;         // black on white
constexpr int kFocusedFieldAttribute = 0x1F;  // white on blue: the field or line in focus
constexpr int kFocusAttribute = 0x7C;         // red on light grey: the button or swatch in focus

// Waits for a left-button press or a key.
ConsoleEvent ReadDialogInput(Console& console);

// Writes a text into a field of the given width, cut or padded with blanks.
void PrintField(Screen& screen, int row, int col, int width, int attribute,
                const std::string& text);

// Edits a number field of the given width with a key: a digit is added while there is room,
// Backspace removes the last one. A field just entered (fresh) is replaced by what is typed into
// it, as a selected text would be. False, with nothing changed, for any other key.
bool EditNumberField(std::string& text, std::size_t width, bool& fresh, const ConsoleEvent& key);

}  // namespace gridlet
