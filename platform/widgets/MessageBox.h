// Modal message box and link hand-over to the system.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Shows `text` (UTF-8) in a modal message box; returns when it is dismissed.
void MsgBox(const QByteArray& text);

// Hands an http: or mailto: address to the system, which opens it with the
// user's default program. Nothing is reported back.
void ShowURL(const QString& address);

}  // namespace platform
