#pragma once
// What a design is: its objects and the code they write, the code of its routines, the undo
// history, the object number and the graphic window. Owned by the main loop; this is what a
// design file keeps and what Build reads, with the file it was saved to.

#include <cstdint>
#include <string>
#include <vector>

#include "model/design_object.h"
#include "model/history.h"
#include "model/saved_state.h"
#include "model/screen_layout.h"

namespace gridlet {

struct Design {
    // The placed objects, in the order their blocks and marks are written.
    std::vector<DesignObject> objects;
    History history;
    // The file the design belongs to, and whether it has changed since it was written or read.
    SavedState saved;
    // The screen under the objects' marks: the window's screen.
    std::string gridBase;

    // Kind accumulators, written from the objects (WriteAccumulators).
    std::string backgroundPaintCode;
    std::string boxCode;
    std::string polygonCode;
    std::string ellipseCode;
    std::string starCode;
    std::string lineCode;
    std::string arcCode;
    std::string pieCode;
    std::string paintCode;
    std::string bitmapCode;
    std::string textCode;
    std::string backLayerCode;

    // Routine-level texts.
    std::string subHeader;
    std::string localDecls;
    std::string windowCode;
    std::string windowBackgroundCode;
    std::string typeDecls;
    std::string supportFunctions;
    std::string globalDecls;
    std::string doStringBody;
    std::string mainAssignments;  // PBMAIN's values for the string variables, one line each

    std::int32_t objectNumber = 0;
    std::int32_t stringCounter = 0;  // string variables placed; never decreases

    // Window state.
    int windowExists = 0;
    std::int32_t windowTopRow = 0;
    std::int32_t windowLeftCol = 0;
    std::int32_t windowBottomRow = kAreaBottomBound;
    std::int32_t windowRightCol = kDesignGrid.right;
    std::int32_t windowX = 0;
    std::int32_t windowY = 0;
    std::int32_t windowWidth = 0;
    std::int32_t windowHeight = 0;
};

}  // namespace gridlet
