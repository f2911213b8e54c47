// The open-window list.
#include "WindowStack.h"

#include <algorithm>
#include <vector>

namespace platform {

namespace {
std::vector<QWidget*> stack;
}  // namespace

void StackRemove(QWidget* window) {
    stack.erase(std::remove(stack.begin(), stack.end(), window), stack.end());
}

void StackBringToFront(QWidget* window) {
    StackRemove(window);
    stack.insert(stack.begin(), window);
}

QWidget* StackAt(int index) {
    if (index < 0 || static_cast<size_t>(index) >= stack.size()) return nullptr;
    return stack[static_cast<size_t>(index)];
}

int StackSize() { return static_cast<int>(stack.size()); }

}  // namespace platform
