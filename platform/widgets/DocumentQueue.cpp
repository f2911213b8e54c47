// One document per event-loop turn. A handler that is still running (a
// message box, the open dialog, a long search yielding to the loop) holds
// the queue: the next document waits for it rather than piling up behind it.
// So does a menu the user holds open: Qt closes open menus whenever a new
// window is shown, which would snatch the menu away at every document.
#include "DocumentQueue.h"

#include <QApplication>
#include <QTimer>
#include <deque>
#include <numeric>

#include "Application.h"
#include "EventDispatch.h"
#include "FolderItem.h"
#include "Quit.h"

namespace platform {

namespace {

// How long the queue waits before looking again while a handler runs.
constexpr int kBusyRetryMs = 10;

// A batch given to this program itself.
class Batch : public DocumentSource {
public:
    explicit Batch(const QList<QByteArray>& paths) : paths_(paths.begin(), paths.end()) {}
    std::optional<QByteArray> Next() override {
        if (paths_.empty()) return std::nullopt;
        QByteArray path = std::move(paths_.front());
        paths_.pop_front();
        return path;
    }
    qsizetype Remaining() const override { return static_cast<qsizetype>(paths_.size()); }
    void Abandon(bool) override {}

private:
    std::deque<QByteArray> paths_;
};

std::deque<std::unique_ptr<DocumentSource>> pending;
bool scheduled = false;
DocumentSource* opening = nullptr;  // whose document is being opened

void Schedule(int delayMs);

// The documents still queued stay unopened: each source is told, the one
// being opened as the one that failed.
void AbandonAll() {
    std::deque<std::unique_ptr<DocumentSource>> abandoned;
    abandoned.swap(pending);
    for (const auto& source : abandoned) source->Abandon(source.get() == opening);
}

void DeliverNext() {
    scheduled = false;
    if (QuitRequested()) {
        DropQueuedDocuments();
        return;
    }
    if (pending.empty()) return;
    if (HandlerRunning() || QApplication::activePopupWidget() != nullptr) {
        Schedule(kBusyRetryMs);
        return;
    }
    DocumentSource* source = pending.front().get();
    if (const std::optional<QByteArray> path = source->Next()) {
        opening = source;
        Dispatch([path] {
            FolderItem item(*path);
            if (Application* app = GetAppObject()) app->Event_OpenDocument(&item);
        });
        opening = nullptr;
    } else {
        pending.pop_front();
    }
    Schedule(0);
}

void Schedule(int delayMs) {
    if (scheduled || pending.empty()) return;
    scheduled = true;
    QTimer::singleShot(delayMs, &DeliverNext);
}

}  // namespace

void PostOpenDocuments(const QList<QByteArray>& nativePaths) {
    if (!nativePaths.isEmpty()) PostDocumentSource(std::make_unique<Batch>(nativePaths));
}

void PostDocumentSource(std::unique_ptr<DocumentSource> source) {
    // A program on its way out takes nothing more: sources are told at once,
    // while the user still reads why it leaves.
    static const bool hooked = (SetQuitAnnouncedHandler(&AbandonAll), true);
    Q_UNUSED(hooked);
    if (QuitAnnounced()) {
        source->Abandon(false);
        return;
    }
    pending.push_back(std::move(source));
    Schedule(0);
}

void DropQueuedDocuments() { pending.clear(); }

int PendingDocumentCount() {
    return static_cast<int>(std::accumulate(
        pending.begin(), pending.end(), qsizetype{0},
        [](qsizetype sum, const auto& source) { return sum + source->Remaining(); }));
}

bool MoreDocumentsFollow() { return opening != nullptr && PendingDocumentCount() > 0; }

}  // namespace platform
