#pragma once
// A burst of pointer motion (a fast pointer over a slow link) is acted on once: of the moves
// waiting one after another only the latest counts. Presses, releases and keys keep their order.

#include <deque>

#include "platform/input_event.h"

namespace gridlet {

bool IsPointerMove(const InputEvent& event);

// Takes the first event of a non-empty queue; a move followed by further moves gives way to the
// last of them.
InputEvent TakeCoalesced(std::deque<InputEvent>& queue);

}  // namespace gridlet
