#pragma once
// One placed object of a design: its number and kind, the values its block was built from, the
// block itself, where the block goes and the mark its tool leaves on the grid. The design is a
// list of these; the kinds' accumulators and the DoString body are what the list writes.

#include <cstdint>
#include <string>

#include "model/object_kind.h"
#include "model/properties.h"
#include "platform/cell_rect.h"

namespace gridlet {

// The mark a tool draws over the marked area.
enum class MarkKind {
    None,            // a string variable on an area of more than one row, or no mark at all
    LetterP,         // both paints: "P" in the colours the console had
    Outline,         // boxes, ellipses, polygons, stars, arcs and pies
    OutlineAndName,  // bitmaps: the outline and the file's name
    Line,            // lines and line steps
    Text,
    StringVariable,  // the variable's name in a shaded run
};

struct GridMark {
    MarkKind kind = MarkKind::None;
    CellRect area{};
    std::uint8_t attribute = 0;  // the colours of the letter P
    std::string name{};          // the bitmap's file name or the variable's name

    bool operator==(const GridMark&) const = default;
};

// Where an object's block is written.
enum class Destination {
    Kind,        // the accumulator of its kind
    Background,  // the background paint: a paint placed as the design's first object
    BackLayer,   // sent to the back, in front of every kind's blocks
};

// What a block is built from. A text keeps its text, font head and line width in characters; a
// string variable its name and font head; a bitmap its path as the code names it.
struct ObjectValues {
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::int32_t starWidth = 0;
    std::int32_t starHeight = 0;
    std::string arcStart;
    std::string arcEnd;
    std::string bitmapPath;
    Properties properties;
    std::string text;
    std::string fontHead;
    std::int32_t lineWidth = 0;
    std::string name;
    bool printed = false;  // a string variable printed where a Preview placed it

    bool operator==(const ObjectValues&) const = default;
};

struct DesignObject {
    std::int32_t number = 0;
    ObjectKind kind = ObjectKind::Box;
    ObjectValues values;
    // The text the object writes: for a string variable its part of the DoString body.
    std::string block;
    Destination destination = Destination::Kind;
    GridMark mark;
    // Built as the move menu rebuilds a block rather than as the tool first writes it.
    bool rebuilt = false;
    // Code of a design file that could not be read back as an object's values: kept as written.
    bool keptAsWritten = false;
    // What Undo leaves of a string variable: its font head stays in the DoString body. A leftover
    // is no object of its own and is not listed.
    bool leftover = false;

    bool operator==(const DesignObject&) const = default;
};

}  // namespace gridlet
