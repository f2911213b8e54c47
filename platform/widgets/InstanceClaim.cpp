// The launch's side of the hand-over.
#include "InstanceClaim.h"

#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/core/DocumentListMessage.h"
#include "platform/core/ListeningSocket.h"
#include "platform/core/LocalSocket.h"
#include "platform/core/PeerUser.h"
#include "platform/core/PrivateFolder.h"

namespace platform {

namespace {

// Between two looks for a program that is still starting.
constexpr int kStartPollMs = 20;

enum class Answer {
    Unanswered,  // no connection, or closed before the list was done: ask again
    Taken,       // every document of the list is the running program's
    NotTaken,    // the running program is on its way out
    Foreign,     // another user's program is at the other end
    Silent,      // it went quiet: it may be stuck
};

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

// Hands the front of `rest` over as one list, a document per Ready the
// running program sends, each taken off `rest` once confirmed. `heard` is
// set when the program says anything at all.
Answer Talk(int connection, QList<QByteArray>& rest, bool& heard) {
    // Not one byte to a program of another user.
    if (!PeerIsThisUser(connection)) return Answer::Foreign;
    qsizetype left = std::min<qsizetype>(rest.size(), kMaxHandedDocuments);
    if (!SendAll(connection, EncodeDocumentList(rest.first(left)), kInstanceSilenceMs))
        return errno == ETIMEDOUT ? Answer::Silent : Answer::Unanswered;
    // An empty list has one turn too, the program's coming to the front: it
    // ends at the first Ready.
    for (qsizetype turns = left;;) {
        char said{};
        switch (ReceiveByte(connection, kInstanceSilenceMs, said)) {
            case Receipt::Nothing:
                return Answer::Silent;
            case Receipt::Closed:
                return Answer::Unanswered;
            case Receipt::Byte:
                heard = true;
                break;
        }
        switch (said) {
            case kHandOverWait:
                continue;
            case kHandOverReady:
                // A Confirm that cannot be sent came too late: the program
                // has withdrawn that offer.
                if (!SendByte(connection, kHandOverConfirm)) return Answer::Unanswered;
                if (left > 0) {
                    rest.removeFirst();
                    --left;
                }
                if (--turns > 0) continue;
                return Answer::Taken;
            case kHandOverEnded:
                rest.remove(0, left);
                return Answer::Taken;
            case kHandOverRefused:
                return Answer::NotTaken;
            default:
                return Answer::Silent;  // not a Tarnwick that we know
        }
    }
}

// Sends `rest` in lists as long as the running program takes them. An empty
// `rest` is sent once, as an empty list.
Answer HandOver(const QString& socketPath, QList<QByteArray>& rest, bool& heard) {
    do {
        const int connection = ConnectLocal(socketPath);
        if (connection < 0) return Answer::Unanswered;
        const Answer answer = Talk(connection, rest, heard);
        ::close(connection);
        if (answer != Answer::Taken) return answer;
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
    const QString lockPath = claim.socketPath + QStringLiteral(".lock");
    QDeadlineTimer patience(kInstanceStartMs);
    for (;;) {
        auto lock = std::make_unique<InstanceLock>(lockPath);
        if (lock->Status() == InstanceLock::State::InTheWay) {
            claim.note = lock->Problem();
            return claim;
        }
        if (lock->Status() == InstanceLock::State::Held) {
            // Found out before the program starts, so that the user is told
            // at once; the lock goes with `lock`, and later launches need not
            // wait for a program that will not listen.
            claim.note = FreeSocketPath(claim.socketPath);
            if (!claim.note.isEmpty()) return claim;
            claim.role = InstanceClaim::Role::Serve;
            claim.lock = std::move(lock);
            return claim;
        }
        // A name no running program could be given (past PATH_MAX): this
        // launch opens its documents itself.
        if (!std::all_of(claim.documents.cbegin(), claim.documents.cend(), Sendable)) {
            claim.note = QStringLiteral("a document's name is too long to hand over");
            return claim;
        }
        bool heard = false;
        switch (HandOver(claim.socketPath, claim.documents, heard)) {
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
                break;  // still starting, busy, or leaving: look again
        }
        if (heard) patience.setRemainingTime(kInstanceStartMs);
        if (patience.hasExpired()) {
            claim.note = QStringLiteral("the running Tarnwick did not take the documents");
            return claim;
        }
        QThread::msleep(kStartPollMs);
    }
}

void SayRunningAlone(const QString& why) {
    std::fprintf(stderr, "tarnwick: %s; running without taking documents from later launches\n",
                 why.toLocal8Bit().constData());
}

}  // namespace platform
