// Throttled event-loop turns.
#include "BackgroundTask.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace platform {

namespace {
// About one display frame.
constexpr qint64 kTurnIntervalMs = 16;
}  // namespace

void RuntimeBackgroundTask() {
    static QElapsedTimer sinceLastTurn;
    if (sinceLastTurn.isValid() && sinceLastTurn.elapsed() < kTurnIntervalMs) return;
    // Program handlers reached from here (a drop, a menu command) wait for
    // the running one (EventDispatch); mouse and keys wait in the queue.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    sinceLastTurn.restart();
}

}  // namespace platform
