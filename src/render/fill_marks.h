#pragma once
// What the fills leave on a canvas for the fills after them: a mark on every pixel they found, and
// the areas found, so that a fill from inside an area found before need not search it again.

#include <array>
#include <cstdint>
#include <vector>

namespace gridlet {

// One row's run of pixels, ends included.
struct Span {
    int y;
    int left;
    int right;
};

struct FillMarks {
    // Each fill marks the pixels it finds with a value of its own, so no fill has to clear the
    // marks of the one before.
    std::vector<std::uint8_t> pixels;
    std::uint8_t current = 0;
    // The areas bounded by the colour `border` found since the canvas was last drawn on by anything
    // else, by the mark their pixels hold; an empty one is not known. Fills bounded by one colour
    // that paint other colours only recolour whole areas, so each area stays what a fill from
    // inside it would find.
    std::array<std::vector<Span>, 256> areas;
    std::uint32_t border = 0;
    std::uint64_t drawingsWhenKnown = 0;  // the canvas's count of drawings when they were right
};

}  // namespace gridlet
