#pragma once
// What a design file keeps of a design, and how it comes back: the sections of the composition,
// with ten numbers for the graphic window and the object number. Values in, values out.

#include <cstdint>
#include <string_view>

#include "model/design.h"
#include "model/sections.h"

namespace gridlet {

// True when the design holds a graphic window or any code.
bool DesignHoldsAnything(const Design& design);

// The sections a design file keeps: the graphic-window composition of the design as it stands now,
// so that every object placed is kept whatever the last Build was (a design that holds nothing
// keeps only empty sections); "END SUB" taken out of section 3, mainAssignments in section 47,
// and the ten numbers in sections 34 to 43.
SectionTable SectionsToKeep(const Design& design);

// Puts sections read from a design file into the design: its code texts, with what the
// composition added around them taken away again, so that saving what was opened writes the same
// sections, and the ten numbers. Everything else of the design stays as it is.
void RestoreFromSections(const SectionTable& sections, Design& design);

// A number as it stands at the start of a text, as BASIC's VAL reads it: blanks, a sign, digits
// with a decimal point and an exponent; 0 when there is none. Rounded to the nearest integer,
// halves to even, and bounded by limit either way.
std::int32_t NumberOf(std::string_view text, std::int32_t limit);

}  // namespace gridlet
