#pragma once
// Waiting for one click or key, without hints.

#include <cstdint>

#include "platform/console.h"

namespace gridlet {

struct ClickResult {
    std::int16_t commandCode = 0;  // the key's code when a key ended the wait
    bool rightClick = false;
    bool leftClick = false;
    int row = 0;  // of the last move received in the same call; 0 if none
    int col = 0;
};

ClickResult WaitClick(Console& console);

}  // namespace gridlet
