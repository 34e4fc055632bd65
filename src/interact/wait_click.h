#pragma once
// Waiting for one click or key, without hints.

#include <cstdint>

#include "platform/console.h"

namespace gridlet {

struct ClickResult {
    std::int16_t commandCode = 0;  // the key's code when a key ended the wait
    bool rightClick = false;
    bool leftClick = false;
    // A click's cell as its own report gives it: the pointer may have moved without a report in
    // between (a touch screen, a terminal that reports motion only while a button is held). For a
    // key, the cell of the last move received in the same call; 0 if none.
    int row = 0;
    int col = 0;
};

ClickResult WaitClick(Console& console);

}  // namespace gridlet
