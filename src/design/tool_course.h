#pragma once
// The steps every drawing tool shares: the refusals, the pixel mapping of the marked corners and
// the rule that keeps y1 inside the window.

#include <cstdint>

#include "codegen/statement_emitter.h"
#include "design/move_menu.h"
#include "interact/context.h"
#include "model/object_kind.h"

namespace gridlet {

// Where a grid cell's point lies inside the cell, in pixels.
struct PixelOffset {
    int ox;
    int oy;
};
// The first corner of every object, and the second corner of most.
constexpr PixelOffset kNearOffset{3, 4};
// The second corner of paint, paint replace and star: the cell's far side.
constexpr PixelOffset kFarOffset{7, 23};

// Shows the left strip's button of the tool pressed, with the button's pause.
void PressToolButton(Context& context, std::int16_t command);

// Ends a command that places nothing: the pass's screen comes back and its save is dropped.
void AbandonCommand(Context& context);

// False, after the window-needed message, when there is no graphic window yet.
bool GraphicWindowExists(Context& context);

// False, after the two-corner pop-up, when both corners lie in one column.
bool AreaHasTwoColumns(Context& context);

// x1, y1 from the area's first corner; x2, y2 from its second corner.
void MapFirstPoint(const Design& design, PassState& pass);
void MapSecondPoint(const Design& design, PassState& pass, PixelOffset offset);

// A point above the window is put back inside it.
void LiftNegativeY1(PassState& pass);

// Both corners mapped, the second with the offset, and y1 then kept inside the window.
void MapCorners(const Design& design, PassState& pass, PixelOffset second);

// Sets pendingStatement to the block of an object of this kind: the design's object number with
// the pass's corners, properties and tool values, as placed or as the move menu rebuilds it.
void BuildPendingStatement(Context& context, ObjectKind kind, Build build = Build::Placement);

// The move menu's Preview for a tool's object: the block rebuilt as the tool's own kind, whatever
// target flags earlier refused commands have left set.
PreviewRebuild RebuildAs(ObjectKind kind);

}  // namespace gridlet
