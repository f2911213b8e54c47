// Quit request bookkeeping.
#include "Quit.h"

#include <QCoreApplication>

namespace platform {

namespace {
bool requested = false;
int requestedCode = 0;
std::function<void(int)> quitAction = [](int code) { QCoreApplication::exit(code); };
}  // namespace

void Quit(int code) {
    if (requested) return;
    requested = true;
    requestedCode = code;
    if (quitAction) quitAction(code);
}

bool QuitRequested() { return requested; }
int QuitCode() { return requestedCode; }

void SetQuitAction(std::function<void(int)> action) { quitAction = std::move(action); }

void ResetQuitRequest() {
    requested = false;
    requestedCode = 0;
}

}  // namespace platform
