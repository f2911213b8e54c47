// The boundary between the event loop and the program's handlers.
//
// Program code runs one handler at a time. A handler may spin a nested
// event loop (a message box, the open dialog, a background-task turn, the
// update query's wait); events that arrive meanwhile - a drop, a menu
// command, a click - wait until the running handler has returned, so no
// handler is ever re-entered and none runs on a window that another handler
// is still filling.
//
// No exception crosses the event loop: what escapes a handler is caught
// here and gets the framework's reaction (UnhandledException).
#pragma once

#include <exception>
#include <functional>

namespace platform {

// Runs `handler` now, or after the running handler when one is running;
// not at all once the application has been asked to quit.
void Dispatch(std::function<void()> handler);

// True while a handler dispatched above is running.
bool HandlerRunning();

// The framework's reaction to an exception nothing caught: a message box
// naming the exception, then Quit(1).
void UnhandledException(std::exception_ptr escaped);

}  // namespace platform
