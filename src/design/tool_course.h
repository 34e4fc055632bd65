#pragma once
// The steps every drawing tool shares: the refusals, the pixel mapping of the marked corners and
// the rule that keeps y1 inside the window.

#include <cstdint>

#include "codegen/statement_emitter.h"
#include "codegen/support_functions.h"
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

// The design's TYPE declarations and support functions with what a kind of object needs added.
void AddSupport(Design& design, SupportTexts (*add)(SupportTexts));

// Shows the left strip's button of the tool pressed, with the button's pause.
void PressToolButton(Screen& screen, std::int16_t command);

// Ends a command that places nothing: the pass's screen comes back and its save is dropped.
void AbandonCommand(Screen& screen, PassState& pass);

// False, after the window-needed message, when there is no graphic window yet.
bool GraphicWindowExists(Context& context);

// False, after the two-corner pop-up, when both corners lie in one column.
bool AreaHasTwoColumns(Context& context);

// x1, y1 from the area's first corner; x2, y2 from its second corner.
void MapFirstPoint(const Design& design, const MarkedArea& area, PendingObject& pending);
void MapSecondPoint(const Design& design, const MarkedArea& area, PendingObject& pending,
                    PixelOffset offset);

// A point above the window is put back inside it.
void LiftNegativeY1(PendingObject& pending);

// Both corners mapped, the second with the offset, and y1 then kept inside the window.
void MapCorners(const Design& design, const MarkedArea& area, PendingObject& pending,
                PixelOffset second);

// The values a drawing tool's block is built from: the pending object's corners and tool values
// with the properties.
ObjectValues DrawingValues(const PendingObject& pending, const Properties& properties);
StatementValues StatementValuesOf(std::int32_t objectNumber, const ObjectValues& values);

// Sets pendingStatement to the block of an object of this kind, and builtFrom to its values: its
// number with the pending object's corners and tool values and the properties, as placed or as the
// move menu rebuilds it.
void BuildPendingStatement(PendingObject& pending, const Properties& properties,
                           std::int32_t objectNumber, ObjectKind kind,
                           Build build = Build::Placement);

// The move menu's Preview for a tool's object: the block rebuilt as the tool's own kind, whatever
// target flags earlier refused commands have left set.
PreviewRebuild RebuildAs(ObjectKind kind);

}  // namespace gridlet
