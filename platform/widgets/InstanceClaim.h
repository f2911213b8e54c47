// One running program per user. A launch either hands its documents to the
// program already running and ends, or becomes that program itself, or,
// where neither can be done safely, runs as a program of its own.
//
// The running program holds a lock beside its socket for its whole run,
// from before it listens. A launch that finds the lock held talks to its
// holder, waiting while that program is still starting; a launch that gets
// the lock (none held, or left by a program that has ended) is the running
// program from then on. So launches that come at once leave one program,
// and a live program is never replaced.
//
// Each document is opened exactly once: by the running program when the
// launch has confirmed its offer, otherwise by the launch (see
// DocumentListMessage.h).
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>

#include "platform/core/InstanceLock.h"

namespace platform {

// A launch that hears nothing from the running program for this long (its
// connection taken, its list taken in, Wait, Ready, ...) gives up and opens
// what it was not offered itself.
inline constexpr int kInstanceSilenceMs = 1000;
// How long a launch keeps asking a program that holds the lock but does
// not take its list (still starting, busy, or leaving), from the last word
// it heard.
inline constexpr int kInstanceStartMs = 10'000;

struct InstanceClaim {
    enum class Role {
        HandedOver,  // the running program took every document: this launch is done
        Serve,       // this launch is the running program: it listens at socketPath
        Alone,       // a program of its own that takes no documents from other launches
    };
    Role role = Role::Alone;
    QString socketPath;
    std::unique_ptr<InstanceLock> lock;  // held for the whole run when serving
    QList<QByteArray> documents;         // what this process opens itself
    QString note;                        // why it runs alone, for the user
};

// Claims the socket `name` (absolute, or placed in the user's private
// runtime folder) for `nativePaths` (file-system bytes; a relative one is
// taken from this process's working folder and handed over as absolute).
// Blocks; needs a QCoreApplication but no display.
InstanceClaim ClaimInstance(const QString& name, const QList<QByteArray>& nativePaths);

// Tells the user, once, on stderr, why this program takes no documents
// from later launches.
void SayRunningAlone(const QString& why);

}  // namespace platform
