// A local socket listening at a path, made so that it never replaces
// anything but the socket of a program that has ended.
#pragma once

#include <QString>

namespace platform {

struct ListeningSocket {
    int descriptor = -1;  // the listening socket's, -1 when there is none
    QString problem;      // why there is none
};

// Makes `path` free for a new socket: a socket that nobody listens on any
// more is removed; anything else there (a file, a folder, a link, a socket
// that a program still listens on) is left as it is and answered with why.
// Empty when the path is free.
QString FreeSocketPath(const QString& path);

// Listens at `path`, freed as above, with mode 0600 (this user alone may
// connect).
ListeningSocket ListenAt(const QString& path);

struct Accepted {
    enum Outcome {
        Connection,   // `descriptor` is the new connection (non-blocking)
        NoneWaiting,  // nobody is waiting to be accepted
        TryLater,     // out of descriptors or memory for now; may pass
        Lost,         // the listening socket itself no longer works
    };
    Outcome outcome;
    int descriptor;
};
// Takes the next connection waiting on the non-blocking socket `listening`.
Accepted AcceptLocal(int listening);

}  // namespace platform
