// Quitting the application: Quit asks, returns at once, and the event loop
// then ends with the code given.
#pragma once

#include <functional>

namespace platform {

void Quit(int code);
bool QuitRequested();
int QuitCode();

// The program has decided to quit and waits only for the user to read why
// (an error message): from here on it takes no documents from other
// launches. QuitAnnounced() is true from AnnounceQuit() or Quit() on.
void AnnounceQuit();
bool QuitAnnounced();
// Runs once, at the first AnnounceQuit().
void SetQuitAnnouncedHandler(std::function<void()> handler);

// What Quit does after recording the request; by default it ends the event
// loop. Tests put a recorder here so that a quit does not end their loops.
void SetQuitAction(std::function<void(int)> action);
void ResetQuitRequest();

}  // namespace platform
