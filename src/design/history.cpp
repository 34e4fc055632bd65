#include "design/history.h"

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

void PushHistory(DesignState& state, std::string code, std::string screen) {
    Push(state.codeHistory, std::move(code));
    Push(state.screenHistory, std::move(screen));
}

void DropNewestHistory(DesignState& state) {
    Pop(state.codeHistory);
    Pop(state.screenHistory);
}

}  // namespace gridlet
