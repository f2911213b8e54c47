// Quit request bookkeeping.
#include "Quit.h"

#include <QCoreApplication>

namespace platform {

namespace {
bool requested = false;
bool announced = false;
int requestedCode = 0;
std::function<void()> announcedHandler;
std::function<void(int)> quitAction = [](int code) { QCoreApplication::exit(code); };
}  // namespace

void Quit(int code) {
    if (requested) return;
    requested = true;
    requestedCode = code;
    if (quitAction) quitAction(code);
}

bool QuitRequested() { return requested; }

void AnnounceQuit() {
    if (announced) return;
    announced = true;
    if (announcedHandler) announcedHandler();
}

void SetQuitAnnouncedHandler(std::function<void()> handler) {
    announcedHandler = std::move(handler);
}
bool QuitAnnounced() { return announced || requested; }
int QuitCode() { return requestedCode; }

void SetQuitAction(std::function<void(int)> action) { quitAction = std::move(action); }

void ResetQuitRequest() {
    requested = false;
    announced = false;
    requestedCode = 0;
}

}  // namespace platform
