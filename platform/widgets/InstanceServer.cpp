// The running program's end of the hand-over: accepting, with rests when
// the process is out of descriptors (a listener given up on the first
// failure would leave every later launch waiting on a lock held for
// nothing), and reading lists within bounds of count, time and memory.
#include "InstanceServer.h"

#include <unistd.h>

#include <QFile>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "HandOver.h"
#include "InstanceClaim.h"
#include "Quit.h"
#include "platform/core/ListeningSocket.h"
#include "platform/core/LocalSocket.h"
#include "platform/core/PeerUser.h"

namespace platform {

namespace {

// What one read takes from a launch at most.
constexpr qsizetype kReadChunkBytes = 64 * 1024;

}  // namespace

// Deleted later: it is often cut from its own notifier's or timer's signal.
struct InstanceServer::Reader : QObject {
    int descriptor;
    QByteArray received;
    QSocketNotifier readable;
    QTimer deadline;
    explicit Reader(int fd) : descriptor(fd), readable(fd, QSocketNotifier::Read) {}
};

InstanceServer::InstanceServer(QObject* parent) : QObject(parent) {}

InstanceServer::~InstanceServer() {
    while (!readers_.empty()) {
        Reader* reader = readers_.front();
        Cut(reader);
        delete reader;
    }
    // The socket goes with the program; the lock outlives it, so no
    // successor can be listening at this path yet.
    if (listening_ >= 0) {
        StopListening();
        QFile::remove(path_);
    }
}

bool InstanceServer::Listen(const QString& socketPath, std::unique_ptr<InstanceLock> lock,
                            QString* problem) {
    const ListeningSocket listening = ListenAt(socketPath);
    if (listening.descriptor < 0) {
        if (problem) *problem = listening.problem;
        return false;
    }
    lock_ = std::move(lock);
    path_ = socketPath;
    listening_ = listening.descriptor;
    incoming_ = std::make_unique<QSocketNotifier>(listening_, QSocketNotifier::Read);
    connect(incoming_.get(), &QSocketNotifier::activated, this, &InstanceServer::AcceptWaiting);
    return true;
}

void InstanceServer::AcceptWaiting() {
    for (;;) {
        const Accepted accepted = AcceptLocal(listening_);
        switch (accepted.outcome) {
            case Accepted::NoneWaiting:
                return;
            case Accepted::TryLater:
                // Waiting connections stay in the backlog meanwhile; the
                // notifier, on again, finds them there.
                incoming_->setEnabled(false);
                QTimer::singleShot(kAcceptRestMs, incoming_.get(),
                                   [notifier = incoming_.get()] { notifier->setEnabled(true); });
                return;
            case Accepted::Lost:
                // Nobody can reach this program any more: the next launch
                // takes over at once rather than wait on a lock held for
                // nothing.
                SayRunningAlone(
                    QStringLiteral("the hand-over socket %1 stopped working").arg(path_));
                StopListening();
                QFile::remove(path_);
                lock_.reset();
                return;
            case Accepted::Connection:
                break;
        }
        // Another user's program gets nothing, not even an answer.
        if (!PeerIsThisUser(accepted.descriptor)) {
            ::close(accepted.descriptor);
            continue;
        }
        if (readers_.size() >= size_t{kMaxListsInReading}) Cut(readers_.front());
        auto* added = readers_.emplace_back(new Reader(accepted.descriptor));
        connect(&added->readable, &QSocketNotifier::activated, this,
                [this, added] { Read(added); });
        connect(&added->deadline, &QTimer::timeout, this, [this, added] { Cut(added); });
        added->deadline.start(kHandOverReadMs);
        // A launch writes its list as it connects: most are whole already.
        Read(added);
    }
}

void InstanceServer::Read(Reader* reader) {
    for (;;) {
        // A list past the largest well-formed one is refused a chunk later.
        const qsizetype got =
            ReceiveAvailable(reader->descriptor, reader->received, kReadChunkBytes);
        if (got < 0) return;  // the rest is still on its way
        bytesInReading_ += got;
        if (bytesInReading_ > kMaxBytesInReading) break;
        const DocumentListReading reading = ReadDocumentList(reader->received);
        switch (reading.state) {
            case DocumentListReading::State::Incomplete:
                if (got > 0) continue;
                break;  // closed before the end
            case DocumentListReading::State::Malformed:
                break;
            case DocumentListReading::State::Complete:
                Queue(reader, reading.nativePaths);
                return;
        }
        break;
    }
    Cut(reader);
}

void InstanceServer::Queue(Reader* reader, const QList<QByteArray>& nativePaths) {
    const int descriptor = std::exchange(reader->descriptor, -1);
    Cut(reader);
    if (QuitAnnounced()) {
        // A program on its way out would never open them: the launch does.
        SendByte(descriptor, kHandOverRefused);
        ::close(descriptor);
        return;
    }
    auto handOver = std::make_unique<HandOver>(descriptor, nativePaths);
    // Past the bounds it is closed unanswered, and its launch asks again.
    if (HandOver::HeldBytes() > kMaxBytesQueued || HandOver::Count() > kMaxListsQueued) return;
    PostDocumentSource(std::move(handOver));
}

void InstanceServer::Cut(Reader* reader) {
    bytesInReading_ -= reader->received.size();
    reader->readable.setEnabled(false);
    reader->deadline.stop();
    if (reader->descriptor >= 0) ::close(reader->descriptor);
    readers_.remove(reader);
    reader->deleteLater();
}

void InstanceServer::StopListening() {
    incoming_.reset();
    ::close(listening_);
    listening_ = -1;
}

}  // namespace platform
