// The running program's end of the hand-over: takes lists of documents from
// later launches of the same user and queues them with PostOpenDocuments,
// as if they had been dropped on it; an empty list brings the menu bar
// window to the front.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QLocalServer>
#include <QObject>
#include <QString>

class QLocalSocket;

namespace platform {

// Launches read at once; further connections are closed at once (their
// launches ask again), so a flood of writers holds at most this many lists.
inline constexpr int kMaxHandOversInReading = 4;
// A launch that has not sent its whole list by then is cut off.
inline constexpr int kHandOverReadMs = 2000;

class InstanceServer : public QObject {
    Q_OBJECT
public:
    explicit InstanceServer(QObject* parent = nullptr);
    ~InstanceServer() override;

    // Listens at `socketPath`, reachable by this user only; the caller holds
    // the instance lock (InstanceClaim). False, with why in `problem`, when
    // something other than a socket left by an ended program is in the way.
    bool Listen(const QString& socketPath, QString* problem = nullptr);

private:
    void Accept();
    void Receive(QLocalSocket* client);
    void Finish(QLocalSocket* client);

    QLocalServer server_;
    QHash<QLocalSocket*, QByteArray> reading_;  // each launch's bytes so far
};

}  // namespace platform
