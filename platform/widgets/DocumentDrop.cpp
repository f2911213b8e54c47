// Drag and drop of files onto windows.
#include "DocumentDrop.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

#include "DocumentQueue.h"

namespace platform {

namespace {
bool HoldsLocalFiles(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) return false;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) return true;
    return false;
}
}  // namespace

void AcceptDocumentDrag(QDragEnterEvent* event) {
    if (HoldsLocalFiles(event->mimeData())) event->acceptProposedAction();
}

void OpenDroppedDocuments(QDropEvent* event) {
    if (!HoldsLocalFiles(event->mimeData())) return;
    event->acceptProposedAction();
    // The URL's percent-encoded path holds the file name's own bytes;
    // toLocalFile() would replace any that are not UTF-8.
    QList<QByteArray> paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths << QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    PostOpenDocuments(paths);
}

}  // namespace platform
