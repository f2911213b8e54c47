// Documents dropped on any of the program's windows: each local file is
// handed to the application as one open-document event, in drop order.
#pragma once

class QDragEnterEvent;
class QDropEvent;

namespace platform {

void AcceptDocumentDrag(QDragEnterEvent* event);
void OpenDroppedDocuments(QDropEvent* event);

}  // namespace platform
