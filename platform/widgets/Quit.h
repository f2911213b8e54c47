// Quitting the application: Quit asks, returns at once, and the event loop
// then ends with the code given.
#pragma once

#include <functional>

namespace platform {

void Quit(int code);
bool QuitRequested();
int QuitCode();

// What Quit does after recording the request; by default it ends the event
// loop. Tests put a recorder here so that a quit does not end their loops.
void SetQuitAction(std::function<void(int)> action);
void ResetQuitRequest();

}  // namespace platform
