// The lock the running program holds beside its hand-over socket for its
// whole run: a kernel lock (flock) on a regular file. The kernel lets it go
// when its holder ends, however that happens, so the file's content never
// decides anything: an empty file, or one a crash left half written, is
// taken over like any other whose holder has gone. The file itself is never
// removed, so two launches can never hold locks on two different files of
// the same name.
#pragma once

#include <QString>

namespace platform {

class InstanceLock {
public:
    enum class State {
        Held,       // this process holds it until it is destroyed or Release()d
        Elsewhere,  // a live process holds it
        InTheWay,   // something that is not a regular file of this user's is there
    };

    // Tries once, without ever blocking: the path is looked at before it is
    // opened, and opened so that a FIFO or a device there cannot hold us.
    explicit InstanceLock(const QString& path);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // As found when it was tried.
    State Status() const { return state_; }
    // Why it is InTheWay.
    const QString& Problem() const { return problem_; }
    // Lets the lock go, so that the next launch takes over at once.
    void Release();

private:
    State state_ = State::InTheWay;
    QString problem_;
    int descriptor_ = -1;
};

}  // namespace platform
