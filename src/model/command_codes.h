#pragma once
// Command codes: the 16-bit key codes that name every command.

#include <cstdint>

namespace gridlet {

enum CommandCode : std::int16_t {
    kNoCommand = 0,
    kPaintCommand = 7680,
    kStarCommand = 12288,
    kUndoCommand = 11776,
    kWindowCommand = 8192,
    kArcCommand = 4608,
    kPieCommand = 8448,
    kAddStrCommand = 8704,
    kTextCommand = 8960,
    kLineStepCommand = 5888,
    kBmpStretchedCommand = 9216,
    kPolygonCommand = 9728,
    kRectangleCommand = 12800,
    kEllipseCommand = 12544,
    kLineCommand = 6144,
    kBmpCommand = 6400,
    kCodeOutputCommand = 4096,
    kExitCommand = 11520,
    kHelpCommand = 15104,
};

}  // namespace gridlet
