// One handler at a time, the rest queued in arrival order.
#include "EventDispatch.h"

#include <QByteArray>
#include <deque>
#include <typeinfo>

#include "MessageBox.h"
#include "Quit.h"
#include "platform/core/ByteString.h"
#include "platform/core/Exceptions.h"

namespace platform {

namespace {

int running = 0;
std::deque<std::function<void()>> waiting;

QByteArray ExceptionName(std::exception_ptr escaped) {
    try {
        std::rethrow_exception(escaped);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "unknown exception";
    }
}

void RunGuarded(const std::function<void()>& handler) {
    ++running;
    std::exception_ptr escaped;
    try {
        handler();
    } catch (...) {
        escaped = std::current_exception();
    }
    if (escaped) UnhandledException(escaped);
    --running;
}

}  // namespace

void Dispatch(std::function<void()> handler) {
    // Once the application is quitting, no more program code runs.
    if (QuitRequested()) return;
    if (running > 0) {
        waiting.push_back(std::move(handler));
        return;
    }
    RunGuarded(handler);
    while (running == 0 && !waiting.empty()) {
        if (QuitRequested()) {
            waiting.clear();
            break;
        }
        auto next = std::move(waiting.front());
        waiting.pop_front();
        RunGuarded(next);
    }
}

bool HandlerRunning() { return running > 0; }

void UnhandledException(std::exception_ptr escaped) {
    const QByteArray name = ExceptionName(escaped);
    AnnounceQuit();
    qWarning("Unhandled exception: %s", name.constData());
    MsgBox("An exception of class " + name + " was not handled." + EndOfLine() +
           "The application must shut down.");
    Quit(1);
}

}  // namespace platform
