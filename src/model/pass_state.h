#pragma once
// The state of the pass or command in progress: the marked area, the current object's pixel
// corners and values, the current properties and their targets, the requests of the area phase,
// the pending block and screens, and what the dialogs remember from one use to the next. Owned by
// the main loop; no design file keeps it.

#include <cstdint>
#include <string>

#include "platform/cell_rect.h"

namespace gridlet {

// The six properties put into statements as they stand, with their per-command defaults.
struct Properties {
    std::string lineWidth = "2";
    std::string edgeColor = "0";
    std::string fillColor = "%WHITE";
    std::string fillStyle = "0";
    std::string polyFillMode = "0";
    std::string cornerSidesPoints = "0";
};

// Which kind of object the properties menu is set up for; set by the right-strip buttons.
struct PropertiesTargets {
    bool text = false;  // the text properties flag: lasts one text command
    bool star = false;
    bool polygon = false;
    bool rectangle = false;
    bool ellipse = false;
    bool line = false;
    bool arc = false;
    bool pie = false;
    bool paint = false;
    bool paintReplace = false;
};

// Set by the string, natural-size bitmap and line-step tools while their move menu runs, so that
// the menu's Preview knows what it is rebuilding.
struct MoveMenuKinds {
    bool stringTool = false;
    bool naturalBitmap = false;
    bool lineStep = false;
};

// The logical-font record exchanged with the font chooser: height in pixels (negative for a
// character height), weight 400 or 700, flags non-zero when on, face name at most 31 characters.
struct LogicalFont {
    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::string faceName;
};

// The font a text will have, as the font head set it: the text-entry dialog shows typed text in
// it, and the column limit of a text placed from the right strip follows its size. An empty face
// name means none is chosen.
struct ChosenTextFont {
    float pointSize = 0;
    std::int32_t weight = 0;
    std::int32_t italic = 0;
    std::int32_t underline = 0;
    std::int32_t strikeOut = 0;
    std::string faceName;
};

// What the area phase asked for instead of marking an area.
struct AreaRequests {
    bool exit = false;
    bool escape = false;
    int codeViewRequest = 0;  // 0 none, 1 graphic-window code, 2 printer code
    int buildRequest = 0;
    bool help = false;
    int previewRequest = 0;
    bool undo = false;
};

struct PassState {
    // The area marked in the current pass.
    std::int32_t AreaTop = 0;
    std::int32_t AreaBottom = 0;
    std::int32_t AreaLeft = 0;
    std::int32_t AreaRight = 0;
    CellRect MarkedArea() const { return {AreaTop, AreaLeft, AreaBottom, AreaRight}; }

    // The current object's pixel coordinates and per-tool values.
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::int32_t starWidth = 0;
    std::int32_t starHeight = 0;
    std::string arcStart;
    std::string arcEnd;
    std::string bitmapPath;
    std::string bitmapName;
    std::int32_t bitmapWidth = 0;
    std::int32_t bitmapHeight = 0;

    Properties properties;
    bool lineKeepFlag = false;  // the line tool keeps its width and colour out of the reset
    PropertiesTargets targets;
    AreaRequests requests;

    // The block and screen of the object being recorded.
    std::string pendingStatement;
    std::string pendingSnapshot;

    // The move menu's pending object, as the composition places it.
    MoveMenuKinds moveMenuKinds;
    int moveToBackRequest = 0;
    std::string movePreviewStatement;
    // The block the menu's Accept sent to the back, kept for the undo history.
    std::string sentToBackStatement;
    // The move menu's step in pixels, 0 for one; once chosen it stays for the run.
    std::int32_t moveStep = 0;

    // The grid column up to which the lines of the text being placed may reach; the move menu
    // widens and narrows it.
    std::int32_t lineLimitColumn = 0;

    LogicalFont fontRecord;
    // The font and colour statements for the next text or string variable; kept until one is
    // recorded.
    std::string fontHead;
    ChosenTextFont chosenTextFont;
    // The text being placed.
    std::string enteredText;

    std::string lastChosenPath;  // the file chooser's latest result, named in the next title
    std::string helpSelection;   // the help page chosen last, offered again at the next opening
    // What the next area phase shows on row 46 in place of its blank row (code page 437), such as
    // where the code went when no clipboard took it; shown once.
    std::string hintRowNotice;

    // The main loop's whole-screen snapshot of the current pass.
    std::string snapshot;
};

}  // namespace gridlet
