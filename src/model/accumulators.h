#pragma once
// The code the design's objects write: each block into the accumulator of its kind in list order,
// a background paint into its own text, and the blocks sent to the back in front of all, the last
// sent first.

#include "model/design.h"

namespace gridlet {

// Writes every accumulator, the back layer, the background paint and the DoString body afresh
// from design.objects; the routines' texts stay as they are.
void WriteAccumulators(Design& design);

}  // namespace gridlet
