#include "model/history.h"

#include <algorithm>

namespace gridlet {
namespace {

template <typename Stack>
void Push(Stack& stack, std::string entry) {
    std::move_backward(stack.begin(), stack.end() - 1, stack.end());
    stack.front() = std::move(entry);
}

template <typename Stack>
void Pop(Stack& stack) {
    std::move(stack.begin() + 1, stack.end(), stack.begin());
    stack.back().clear();
}

}  // namespace

void PushHistory(Design& design, std::string code, std::string screen) noexcept {
    Push(design.codeHistory, std::move(code));
    Push(design.screenHistory, std::move(screen));
}

void DropNewestHistory(Design& design) {
    Pop(design.codeHistory);
    Pop(design.screenHistory);
}

}  // namespace gridlet
