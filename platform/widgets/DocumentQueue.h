// Documents on their way to the application. However they come (program
// arguments, a drop, a second launch), each reaches the application object
// as one open-document event, in the order given, one per turn of the event
// loop: between two documents the user's clicks and keys are served, and a
// quit stops the rest.
#pragma once

#include <QByteArray>
#include <QList>
#include <memory>
#include <optional>

namespace platform {

// Where queued documents come from: a batch given to this program, or a
// later launch that hands its documents over one at a time.
class DocumentSource {
public:
    virtual ~DocumentSource() = default;
    // The next document, to be opened at once; nothing when the source has
    // no more (it may have done something else with its turn).
    virtual std::optional<QByteArray> Next() = 0;
    // Documents it still holds.
    virtual qsizetype Remaining() const = 0;
    // The program is leaving; `failing` when it is for one of this source's
    // documents.
    virtual void Abandon(bool failing) = 0;
};

// Queues `nativePaths` (file-system bytes) behind any documents still
// waiting and returns at once.
void PostOpenDocuments(const QList<QByteArray>& nativePaths);
void PostDocumentSource(std::unique_ptr<DocumentSource> source);

// Lets every queued source go, unopened (the run is over).
void DropQueuedDocuments();

// Documents queued and not yet handed over.
int PendingDocumentCount();

// True while a queued document is being opened and others wait behind it.
bool MoreDocumentsFollow();

}  // namespace platform
