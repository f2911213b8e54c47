// Start-up and the event loop of the application.
#pragma once

#include <QByteArray>
#include <QList>

namespace platform {

// Initialises the framework (fonts, names) and calls `startup` once.
void RunFrameworkInitialization(void (*startup)());

// Runs the event loop: shows the application's menu bar, raises Open, then
// queues `documents` (file-system bytes) for opening in order; returns the
// exit code once the application quits. Windows still open are closed on
// the way out.
int RuntimeRun(const QList<QByteArray>& documents);

}  // namespace platform
