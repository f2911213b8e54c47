// Message box over QMessageBox; ShowURL over QDesktopServices.
#include "MessageBox.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace platform {

void MsgBox(const QByteArray& text) {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(),
                    QString::fromUtf8(text), QMessageBox::Ok);
    box.exec();
}

void ShowURL(const QString& address) { QDesktopServices::openUrl(QUrl(address)); }

}  // namespace platform
