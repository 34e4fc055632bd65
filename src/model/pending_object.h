#pragma once
// The object a command is building, from its first values to its record: pixel corners, the
// values of its own tool, its block, and what the move menu does with it. Empty between commands.

#include <cstdint>
#include <string>

#include "model/design_object.h"

namespace gridlet {

// How the move menu treats the pending object beyond shifting it.
enum class MoveMenuMode {
    Object,          // rebuilt as its kind
    StringVariable,  // printed in the DoString body by its own preview
    NaturalBitmap,
    LineStep,  // stays in its place among the lines: never sent to the back
    // One of the design's objects, which the Preview's rebuild puts in its place in the design:
    // the Preview composes the design alone.
    PlacedObject,
};

struct PendingObject {
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::int32_t starWidth = 0;  // the star's size as placed, for its inner points
    std::int32_t starHeight = 0;
    std::string arcStart;
    std::string arcEnd;
    std::string bitmapPath;
    std::string bitmapName;
    std::int32_t bitmapWidth = 0;
    std::int32_t bitmapHeight = 0;
    // The text being placed, and the grid column up to which its lines may reach; the move menu
    // widens and narrows it.
    std::string enteredText;
    std::int32_t lineLimitColumn = 0;

    // The block, the values it was last built from, and whether it was built as the move menu
    // rebuilds it; a shift not previewed leaves both as they were.
    std::string pendingStatement;
    ObjectValues builtFrom;
    bool rebuilt = false;

    // The move menu's state: what its Preview composes, whether Accept sends the block to the
    // back, and the block it sent there for the history.
    MoveMenuMode moveMenuMode = MoveMenuMode::Object;
    bool moveToBack = false;
    std::string movePreviewStatement;
    std::string sentToBackStatement;
};

}  // namespace gridlet
