// Documents on their way to the application. However they come (program
// arguments, a drop, a second launch), each reaches the application object
// as one open-document event, in the order given, one per turn of the event
// loop: between two documents the user's clicks and keys are served, and a
// quit stops the rest.
#pragma once

#include <QByteArray>
#include <QList>

namespace platform {

// Queues `nativePaths` (file-system bytes) behind any documents still
// waiting and returns at once.
void PostOpenDocuments(const QList<QByteArray>& nativePaths);

// Documents queued and not yet handed over.
int PendingDocumentCount();

// True while a queued document is being opened and others wait behind it.
bool MoreDocumentsFollow();

}  // namespace platform
