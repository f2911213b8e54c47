// The program's open windows, frontmost first. Kept apart from Window so
// that services beneath windows (the message box) can find the frontmost
// one without depending on the window class.
#pragma once

class QWidget;

namespace platform {

void StackBringToFront(QWidget* window);
void StackRemove(QWidget* window);
// The window at `index` (0 is the frontmost); nil past the end.
QWidget* StackAt(int index);
int StackSize();

}  // namespace platform
