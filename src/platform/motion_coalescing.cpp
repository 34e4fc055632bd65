#include "platform/motion_coalescing.h"

#include <variant>

namespace gridlet {

bool IsPointerMove(const InputEvent& event) {
    const auto* mouse = std::get_if<MouseInput>(&event);
    return mouse != nullptr && mouse->kind == kMove;
}

InputEvent TakeCoalesced(std::deque<InputEvent>& queue) {
    while (queue.size() > 1 && IsPointerMove(queue[0]) && IsPointerMove(queue[1])) {
        queue.pop_front();
    }
    InputEvent event = std::move(queue.front());
    queue.pop_front();
    return event;
}

}  // namespace gridlet
