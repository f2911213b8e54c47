// Start-up: the document type, the application object with its menu bar,
// the menu handlers; then the event loop.
#pragma once

#include <QStringList>

void Startup();
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();

// The whole run; every path in `documents` is opened as a document once the
// application has started. Returns the exit code.
int Main(const QStringList& documents);
