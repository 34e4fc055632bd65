#pragma once
// The buttons of the two tool strips, in one table: where each lies, the command it stands for,
// its pressed look, its hint, and what a click on it means before an area is marked (the area
// phase) and after (the tool phase).

#include <cstdint>
#include <string>
#include <string_view>

#include "model/properties.h"
#include "screen/image_info.h"
#include "screen/screen.h"

namespace gridlet {

enum class Strip { Left, Right };

// What a click on a button (or a key) asks for in the area phase; the objects panel, the saves
// and the picture view have a key only.
enum class AreaRequest {
    None,
    Preview,
    Undo,
    Redo,
    Exit,
    CodeView,
    Build,
    Help,
    Objects,
    Save,
    SaveAs,
    PictureView
};

// What a left click on a button does in the tool phase.
enum class ToolAction {
    None,            // nothing; the pass ends
    Command,         // the button's command runs
    PaintReplace,    // pressed look, pause, then paint replace at once: it has no command code
    Properties,      // pressed look, pause, the target set, the properties menu, then the command
    TextProperties,  // as Properties, the font chooser before the menu and the font head after
    Pressed,         // pressed look, pause, then the command
    Target,          // the target set, the pressed look without a pause, then the command
};

struct StripButton {
    Strip strip;
    int topRow;  // the button covers this row and the two below it
    std::int16_t command;
    const ImageInfo* pressed;  // nullptr: the button has no pressed look
    int pressedPause;          // after the pressed look, in ms
    std::string_view hint;     // empty: the hint row keeps what it shows
    ToolAction toolAction;
    PropertiesTarget target = PropertiesTarget::None;  // what a click sets the menu up for
    AreaRequest areaRequest = AreaRequest::None;
    bool needsWindow = false;   // the area request counts only once the graphic window exists
    bool rightPrinter = false;  // a right click asks for printer code
};

// The button under a cell as the area phase tests it (the strips' columns 1-9 and 82-90), or
// nullptr.
const StripButton* AreaPhaseButtonAt(int row, int col);

// Whether a column is a strip's as the area phase counts them.
bool OnAreaPhaseStrip(int col);

// The button under a cell as the tool phase and the hints test it (columns 2-8 and 82-90), or
// nullptr.
const StripButton* ToolPhaseButtonAt(int row, int col);

// The button that asks for an area request.
const StripButton& RequestButton(AreaRequest request);

// The button of a command on one strip. Each command names one button a strip.
const StripButton& CommandButton(Strip strip, std::int16_t command);

// The hint for the pointer's cell, padded to 89 characters; empty where there is none.
std::string HintAt(int row, int col);

// Paints the button's pressed look, then pauses as the button does.
void PressButton(Screen& screen, const StripButton& button);

}  // namespace gridlet
