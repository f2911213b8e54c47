// The running program's end of the hand-over.
#include "InstanceServer.h"

#include <QApplication>
#include <QFile>
#include <QLocalSocket>
#include <QTimer>

#include "DocumentQueue.h"
#include "MenuBarWindow.h"
#include "Quit.h"
#include "platform/core/DocumentListMessage.h"
#include "platform/core/ListeningSocket.h"
#include "platform/core/PeerUser.h"

namespace platform {

namespace {

// What Qt buffers of one launch ahead of the reader.
constexpr qint64 kReadBufferBytes = 64 * 1024;

void BringMenuBarWindowToFront() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<MenuBarWindow*>(widget)) {
            window->showNormal();
            window->raise();
            window->activateWindow();
        }
    }
}

}  // namespace

InstanceServer::InstanceServer(QObject* parent) : QObject(parent) {
    connect(&server_, &QLocalServer::newConnection, this, &InstanceServer::Accept);
}

InstanceServer::~InstanceServer() {
    // The socket goes with the program; the caller's lock outlives it, so
    // no successor can be listening at this path yet.
    const QString path = server_.fullServerName();
    server_.close();
    if (!path.isEmpty()) QFile::remove(path);
}

bool InstanceServer::Listen(const QString& socketPath, QString* problem) {
    const ListeningSocket listening = ListenAt(socketPath);
    if (listening.descriptor < 0) {
        if (problem) *problem = listening.problem;
        return false;
    }
    return server_.listen(listening.descriptor);
}

void InstanceServer::Accept() {
    while (QLocalSocket* client = server_.nextPendingConnection()) {
        // Another user's program gets nothing, not even an answer; past the
        // bound, a launch is closed and asks again.
        if (!PeerIsThisUser(client->socketDescriptor()) ||
            reading_.size() >= kMaxHandOversInReading) {
            client->abort();
            client->deleteLater();
            continue;
        }
        reading_.insert(client, {});
        client->setReadBufferSize(kReadBufferBytes);
        connect(client, &QLocalSocket::readyRead, this, [this, client] { Receive(client); });
        connect(client, &QLocalSocket::disconnected, this, [this, client] { Finish(client); });
        QTimer::singleShot(kHandOverReadMs, client, [this, client] { Finish(client); });
    }
}

void InstanceServer::Receive(QLocalSocket* client) {
    const auto found = reading_.find(client);
    if (found == reading_.end()) return;
    QByteArray& received = *found;
    // Never more than one byte past the largest well-formed message.
    received.append(client->read(kMaxDocumentListBytes + 1 - received.size()));
    const DocumentListReading reading = ReadDocumentList(received);
    switch (reading.state) {
        case DocumentListReading::State::Incomplete:
            return;
        case DocumentListReading::State::Malformed:
            Finish(client);
            return;
        case DocumentListReading::State::Complete:
            break;
    }
    // A program on its way out would never open them: the launch does.
    const bool taken = !QuitAnnounced();
    client->write(QByteArray(1, taken ? kDocumentsTaken : kDocumentsNotTaken));
    client->flush();
    Finish(client);
    if (!taken) return;
    if (reading.nativePaths.isEmpty()) {
        BringMenuBarWindowToFront();
    } else {
        PostOpenDocuments(reading.nativePaths);
    }
}

void InstanceServer::Finish(QLocalSocket* client) {
    if (reading_.remove(client) == 0) return;
    // An answer written just before is sent before the connection closes.
    client->disconnectFromServer();
    client->deleteLater();
}

}  // namespace platform
