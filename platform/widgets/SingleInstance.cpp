// The hand-over of documents from a second launch to the running program.
#include "SingleInstance.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <system_error>

#include "DocumentQueue.h"
#include "MenuBarWindow.h"
#include "platform/core/DocumentListMessage.h"

namespace platform {

namespace {

// The running program's answer once it has queued a list.
constexpr char kTaken = '\x06';

int Remaining(const QDeadlineTimer& deadline) {
    return static_cast<int>(std::max<qint64>(0, deadline.remainingTime()));
}

void BringMenuBarWindowToFront() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<MenuBarWindow*>(widget)) {
            window->showNormal();
            window->raise();
            window->activateWindow();
        }
    }
}

// The running program has a working folder of its own: a relative name is
// made absolute here, as bytes (the folder's name need not be UTF-8 either).
QList<QByteArray> Absolute(const QList<QByteArray>& nativePaths) {
    std::error_code error;
    const std::string here = std::filesystem::current_path(error).native();
    QList<QByteArray> absolute;
    for (const QByteArray& path : nativePaths) {
        absolute << (path.startsWith('/') || error ? path
                                                   : QByteArray::fromStdString(here) + '/' + path);
    }
    return absolute;
}

}  // namespace

QString InstanceSocketPath(const QString& name) {
    if (QDir::isAbsolutePath(name)) return name;
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? name : QDir(runtime).filePath(name);
}

bool HandOverDocuments(const QString& socketPath, const QList<QByteArray>& nativePaths) {
    const QDeadlineTimer deadline(kInstanceAnswerMs);
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(Remaining(deadline))) return false;
    socket.write(EncodeDocumentList(Absolute(nativePaths)));
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(Remaining(deadline))) return false;
    }
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(Remaining(deadline))) return false;
    }
    return socket.read(1) == QByteArray(1, kTaken);
}

InstanceServer::InstanceServer(QObject* parent) : QObject(parent) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &InstanceServer::Accept);
}

bool InstanceServer::Listen(const QString& socketPath) {
    // Listening with access restricted to the user replaces whatever lies at
    // the path, a live program's socket too: so ask first whether one is
    // there.
    QLocalSocket probe;
    probe.connectToServer(socketPath);
    if (probe.waitForConnected(kInstanceAnswerMs)) return false;
    // Nobody accepts on it: the socket of a program that ended without
    // removing it, or none at all.
    QLocalServer::removeServer(socketPath);
    return server_.listen(socketPath);
}

void InstanceServer::Accept() {
    while (QLocalSocket* client = server_.nextPendingConnection()) {
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        // A writer that stalls is dropped rather than held open.
        QTimer::singleShot(2 * kInstanceAnswerMs, client, [client] { client->abort(); });
        auto received = std::make_shared<QByteArray>();
        connect(client, &QLocalSocket::readyRead, this,
                [this, client, received] { Receive(client, *received); });
    }
}

void InstanceServer::Receive(QLocalSocket* client, QByteArray& received) {
    // Never more than one byte past the largest well-formed message.
    received.append(client->read(kMaxDocumentListBytes + 1 - received.size()));
    const DocumentListReading reading = ReadDocumentList(received);
    switch (reading.state) {
        case DocumentListReading::State::Incomplete:
            return;
        case DocumentListReading::State::Malformed:
            client->abort();
            return;
        case DocumentListReading::State::Complete:
            client->write(QByteArray(1, kTaken));
            client->disconnectFromServer();
            if (reading.nativePaths.isEmpty()) {
                BringMenuBarWindowToFront();
            } else {
                PostOpenDocuments(reading.nativePaths);
            }
            return;
    }
}

}  // namespace platform
