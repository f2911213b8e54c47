// The launch's side of the hand-over.
#include "InstanceClaim.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QThread>
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/core/DocumentListMessage.h"
#include "platform/core/ListeningSocket.h"
#include "platform/core/PeerUser.h"
#include "platform/core/PrivateFolder.h"

namespace platform {

namespace {

// Between two looks for a program that is still starting.
constexpr int kStartPollMs = 20;

enum class Answer {
    Taken,
    NotTaken,    // the running program is on its way out
    Foreign,     // another user's program is at the other end
    Silent,      // connected, but no answer in time
    Unanswered,  // no connection, or closed without an answer
};

int Remaining(const QDeadlineTimer& deadline) {
    return static_cast<int>(std::max<qint64>(0, deadline.remainingTime()));
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

Answer Send(const QString& socketPath, const QList<QByteArray>& list) {
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(kInstanceAnswerMs)) return Answer::Unanswered;
    // Not one byte to a program of another user.
    if (!PeerIsThisUser(socket.socketDescriptor())) return Answer::Foreign;
    const QDeadlineTimer deadline(kInstanceAnswerMs);
    socket.write(EncodeDocumentList(list));
    while (socket.bytesToWrite() > 0 || socket.bytesAvailable() < 1) {
        const bool progress = socket.bytesToWrite() > 0
                                  ? socket.waitForBytesWritten(Remaining(deadline))
                                  : socket.waitForReadyRead(Remaining(deadline));
        if (progress) continue;
        // A program that is quitting, or one that has as many launches as it
        // reads at once, closes without an answer: ask again.
        return socket.state() == QLocalSocket::UnconnectedState ? Answer::Unanswered
                                                                : Answer::Silent;
    }
    return socket.read(1) == QByteArray(1, kDocumentsTaken) ? Answer::Taken : Answer::NotTaken;
}

// Sends `rest` in lists as long as the running program takes, taking each
// taken list off `rest`. An empty `rest` is sent once, as an empty list.
Answer HandOver(const QString& socketPath, QList<QByteArray>& rest) {
    do {
        const QList<QByteArray> list =
            rest.first(std::min<qsizetype>(rest.size(), kMaxHandedDocuments));
        if (const Answer answer = Send(socketPath, list); answer != Answer::Taken) return answer;
        rest.remove(0, list.size());
    } while (!rest.isEmpty());
    return Answer::Taken;
}

// An absolute name as it is; any other in the user's private runtime folder.
// Empty, with why in `problem`, when there is no such folder.
QString SocketPath(const QString& name, QString& problem) {
    if (QDir::isAbsolutePath(name)) return name;
    const PrivateFolder folder = PrivateRuntimeFolder();
    if (folder.path.isEmpty()) {
        problem = QStringLiteral("no folder of this user's own for the hand-over socket (%1)")
                      .arg(folder.problem);
        return {};
    }
    return QDir(folder.path).filePath(name);
}

bool Sendable(const QByteArray& path) {
    return !path.isEmpty() && path.size() <= qsizetype{kMaxHandedPathBytes} && !path.contains('\0');
}

}  // namespace

InstanceClaim ClaimInstance(const QString& name, const QList<QByteArray>& nativePaths) {
    InstanceClaim claim;
    claim.documents = Absolute(nativePaths);
    claim.socketPath = SocketPath(name, claim.note);
    if (claim.socketPath.isEmpty()) return claim;
    auto lock = std::make_unique<QLockFile>(claim.socketPath + QStringLiteral(".lock"));
    // Only a holder that has ended makes the lock stale, however old it is.
    lock->setStaleLockTime(0);
    const QDeadlineTimer patience(kInstanceStartMs);
    for (;;) {
        if (lock->tryLock(0)) {
            // Found out before the program starts, so that the user is told
            // at once; the lock goes with `lock`, and later launches need not
            // wait for a program that will not listen.
            claim.note = FreeSocketPath(claim.socketPath);
            if (!claim.note.isEmpty()) return claim;
            claim.role = InstanceClaim::Role::Serve;
            claim.lock = std::move(lock);
            return claim;
        }
        if (lock->error() != QLockFile::LockFailedError) {
            claim.note = QStringLiteral("cannot lock %1").arg(lock->fileName());
            return claim;
        }
        // A name no running program could be given (past PATH_MAX): this
        // launch opens its documents itself.
        if (!std::all_of(claim.documents.cbegin(), claim.documents.cend(), Sendable)) {
            claim.note = QStringLiteral("a document's name is too long to hand over");
            return claim;
        }
        switch (HandOver(claim.socketPath, claim.documents)) {
            case Answer::Taken:
                claim.role = InstanceClaim::Role::HandedOver;
                return claim;
            case Answer::NotTaken:
                claim.note = QStringLiteral("the running Tarnwick is quitting");
                return claim;
            case Answer::Foreign:
                claim.note =
                    QStringLiteral("a program of another user listens at %1").arg(claim.socketPath);
                return claim;
            case Answer::Silent:
                claim.note = QStringLiteral("the running Tarnwick does not answer");
                return claim;
            case Answer::Unanswered:
                break;  // still starting, or busy: look again
        }
        if (patience.hasExpired()) {
            claim.note = QStringLiteral("the running Tarnwick did not take the documents");
            return claim;
        }
        QThread::msleep(kStartPollMs);
    }
}

}  // namespace platform
