#pragma once
// The colour chooser, drawn in the console: 48 basic colours, 16 custom colours drawn at random
// at every call, and an entry for red, green and blue.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/rgb.h"
#include "screen/screen.h"

namespace gridlet {

// The decimal text of the colour reference, as the properties take it.
std::string ColourReferenceText(Rgb colour);

// The one of the 16 console colours that shows a colour most closely.
int NearestConsoleColour(Rgb colour);

// Sixteen colour references drawn at random, the generator seeded from the time of day.
std::array<std::uint32_t, 16> CustomColours(std::int64_t timeOfDayMs);

// Shows the chooser and gives the chosen colour's reference text, or nothing when the user
// cancels, so that the caller keeps the colour it had.
std::optional<std::string> ChooseColour(Screen& screen);

}  // namespace gridlet
