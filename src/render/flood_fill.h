#pragma once
// Paints: 4-connected areas grown from a seed pixel, found first and filled after, so a fill
// colour equal to the colours it spreads over cannot make it run on.

#include "render/brush.h"
#include "render/canvas.h"

namespace gridlet {

// Every pixel connected to the seed without crossing the border colour. A seed on the border
// colour or outside the picture paints nothing.
void PaintToBorder(Canvas& canvas, IntPoint seed, Rgb border, const Brush& brush);

// Every pixel of the given colour connected to the seed. A seed of another colour paints
// nothing.
void PaintReplace(Canvas& canvas, IntPoint seed, Rgb replaced, const Brush& brush);

}  // namespace gridlet
