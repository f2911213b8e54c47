// One document per event-loop turn. A handler that is still running (a
// message box, the open dialog, a long search yielding to the loop) holds
// the queue: the next document waits for it rather than piling up behind it.
// So does a menu the user holds open: Qt closes open menus whenever a new
// window is shown, which would snatch the menu away at every document.
#include "DocumentQueue.h"

#include <QApplication>
#include <QTimer>
#include <deque>

#include "Application.h"
#include "EventDispatch.h"
#include "FolderItem.h"
#include "Quit.h"

namespace platform {

namespace {

// How long the queue waits before looking again while a handler runs.
constexpr int kBusyRetryMs = 10;

std::deque<QByteArray> pending;
bool scheduled = false;
bool opening = false;  // a queued document is being opened

void Schedule(int delayMs);

void DeliverNext() {
    scheduled = false;
    if (QuitRequested()) {
        pending.clear();
        return;
    }
    if (pending.empty()) return;
    if (HandlerRunning() || QApplication::activePopupWidget() != nullptr) {
        Schedule(kBusyRetryMs);
        return;
    }
    const QByteArray path = pending.front();
    pending.pop_front();
    opening = true;
    Dispatch([path] {
        FolderItem item(path);
        if (Application* app = GetAppObject()) app->Event_OpenDocument(&item);
    });
    opening = false;
    Schedule(0);
}

void Schedule(int delayMs) {
    if (scheduled || pending.empty()) return;
    scheduled = true;
    QTimer::singleShot(delayMs, &DeliverNext);
}

}  // namespace

void PostOpenDocuments(const QList<QByteArray>& nativePaths) {
    if (QuitRequested()) return;
    pending.insert(pending.end(), nativePaths.begin(), nativePaths.end());
    Schedule(0);
}

int PendingDocumentCount() { return static_cast<int>(pending.size()); }

bool MoreDocumentsFollow() { return opening && !pending.empty(); }

}  // namespace platform
