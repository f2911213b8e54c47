// One running program per user. A second launch hands its documents to the
// program already running, over a local socket in the user's runtime folder,
// and ends; the running program takes them as if they had been dropped on
// it. A launch with no documents brings the running program to the front.
#pragma once

#include <QByteArray>
#include <QList>
#include <QLocalServer>
#include <QObject>
#include <QString>

class QLocalSocket;

namespace platform {

// How long a launch waits for the running program's answer before treating
// it as absent.
inline constexpr int kInstanceAnswerMs = 1000;

// The socket path for `name`: an absolute path is kept as it is, anything
// else is placed in the user's runtime folder (XDG_RUNTIME_DIR), which only
// that user can enter.
QString InstanceSocketPath(const QString& name);

// Sends `nativePaths` (file-system bytes, in order; a relative one taken
// from this process's working folder) to the program listening at
// `socketPath`. True once that program has taken them; false when none
// listens or it does not answer within kInstanceAnswerMs. Blocks; needs a
// QCoreApplication but no display.
bool HandOverDocuments(const QString& socketPath, const QList<QByteArray>& nativePaths);

// The running program's end: takes lists of documents and queues them with
// PostOpenDocuments; an empty list raises the menu bar window. A message
// that is not one well-formed list is dropped unanswered.
class InstanceServer : public QObject {
    Q_OBJECT
public:
    explicit InstanceServer(QObject* parent = nullptr);

    // Listens at `socketPath`, reachable by this user only. A socket left
    // by a program that crashed is taken over; one whose program still
    // accepts connections is not. False when it cannot listen.
    bool Listen(const QString& socketPath);

private:
    void Accept();
    void Receive(QLocalSocket* client, QByteArray& received);

    QLocalServer server_;
};

}  // namespace platform
