// Drag and drop of files onto windows.
#include "DocumentDrop.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

#include "Application.h"

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
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) PostOpenDocument(url.toLocalFile());
}

}  // namespace platform
