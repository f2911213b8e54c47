// Start-up: the document type, the application object with its menu bar,
// the menu handlers; then the event loop.
#pragma once

#include <QByteArray>
#include <QList>

void Startup();
void InitAppIcon();
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();

// The whole run; every path in `documents` (file-system bytes) is opened as
// a document once the application has started. Returns the exit code.
int Main(const QList<QByteArray>& documents);
