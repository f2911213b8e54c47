// The running program's end of the hand-over: reads lists of documents from
// later launches of the same user and queues each as a HandOver, whose
// documents are opened as if they had been dropped on the program; an empty
// list brings the menu bar window to the front.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <list>
#include <memory>

#include "platform/core/DocumentListMessage.h"
#include "platform/core/InstanceLock.h"

namespace platform {

// Lists read at once. A launch sends its whole list as soon as it is
// connected, so the oldest one still reading when another comes is cut (its
// launch asks again): connections that send nothing cannot crowd out those
// that do.
inline constexpr int kMaxListsInReading = 8;
// A launch that has not sent its whole list by then is cut off.
inline constexpr int kHandOverReadMs = 1000;
// Bytes of unfinished lists held at once; a list that would pass it is cut.
inline constexpr qsizetype kMaxBytesInReading = 2 * kMaxDocumentListBytes;
// Lists waiting for their turn, and the bytes of their names; a list past
// either is closed unanswered, and its launch asks again.
inline constexpr qsizetype kMaxListsQueued = 256;
inline constexpr qsizetype kMaxBytesQueued = 16 * 1024 * 1024;
// Out of descriptors, the listener rests this long before it tries again.
inline constexpr int kAcceptRestMs = 100;

class InstanceServer : public QObject {
    Q_OBJECT
public:
    explicit InstanceServer(QObject* parent = nullptr);
    ~InstanceServer() override;

    // Listens at `socketPath`, reachable by this user only, holding `lock`
    // (the instance lock, see InstanceClaim) for as long as it listens.
    // False, with why in `problem`, when something other than a socket left
    // by an ended program is in the way; `lock` is then let go.
    bool Listen(const QString& socketPath, std::unique_ptr<InstanceLock> lock = {},
                QString* problem = nullptr);

private:
    struct Reader;
    void AcceptWaiting();
    void Read(Reader* reader);
    void Cut(Reader* reader);
    void Queue(Reader* reader, const QList<QByteArray>& nativePaths);
    void StopListening();

    std::unique_ptr<InstanceLock> lock_;  // let go last
    QString path_;
    int listening_ = -1;
    std::unique_ptr<QSocketNotifier> incoming_;
    std::list<Reader*> readers_;  // the oldest first
    qsizetype bytesInReading_ = 0;
};

}  // namespace platform
