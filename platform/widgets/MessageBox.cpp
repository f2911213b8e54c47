// Message box over QMessageBox; ShowURL over QDesktopServices.
#include "MessageBox.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "WindowStack.h"

namespace platform {

void MsgBox(const QByteArray& text) {
    // Over the program's frontmost window, the one the message is about.
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(),
                    QString::fromUtf8(text), QMessageBox::Ok, StackAt(0));
    box.exec();
}

void ShowURL(const QString& address) { QDesktopServices::openUrl(QUrl(address)); }

}  // namespace platform
