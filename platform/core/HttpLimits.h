// Every bound of one HTTPS exchange, in one place. The defaults are the
// program's; tests hand in small ones to reach each bound quickly.
#pragma once

#include <QtGlobal>

namespace platform {

struct HttpLimits {
    // Seconds without progress (the connection coming up or going down, the
    // body growing) after which the server is given up. The caller hands it
    // to HTTPSecureSocket::Post(), as the framework's Post(url, seconds)
    // takes it.
    int inactivitySeconds = 100;
    // Longest wait for a whole exchange, however steadily the server sends.
    int totalCapMs = 120'000;
    // Longest header block accepted; a longer one fails the exchange.
    qsizetype maxHeaderBlock = 16 * 1024;
    // Longest body kept. One byte more is kept to show that the body was
    // longer, so a cut body never equals a short answer.
    qsizetype maxBody = 1024;
    // Bytes Qt may hold for the socket before they are read.
    qint64 readBufferSize = 16 * 1024;
    // Reply bytes are taken from the socket in pieces of at most this size.
    qint64 readPiece = 4096;
};

}  // namespace platform
