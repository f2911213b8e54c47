// A TLS server on 127.0.0.1 for the update query's tests, run in the test's
// own thread (the client's wait serves socket events, so both sides make
// progress). It writes at most 20 bytes at a time, each piece only once the
// previous one has gone out, so replies reach the client in small records
// and every read boundary is crossed. It records every request byte.
#pragma once

#include <QByteArray>
#include <QList>
#include <QSslCertificate>
#include <QSslKey>
#include <QTcpServer>

class QSslSocket;
class QTimer;

class TlsTestServer : public QTcpServer {
    Q_OBJECT
public:
    enum class Mode {
        Reply,          // send the reply once the request is in
        NoHandshake,    // accept TCP and never answer the TLS handshake
        EndlessHeader,  // a status line, then header lines forever
        EndlessBody,    // a header block, then body bytes forever
        Trickle,        // a header block, then one body byte every trickleMs
        TrickleHeader,  // one byte of a header block that never ends every trickleMs
    };
    struct Script {
        Mode mode = Mode::Reply;
        QByteArray reply;
        bool closeAfterReply = true;
        int trickleMs = 0;
    };

    static constexpr qsizetype kPiece = 20;

    TlsTestServer(const QSslCertificate& certificate, const QSslKey& key);

    void SetScript(const Script& script) { script_ = script; }
    // Listens on 127.0.0.1 at a free port.
    bool Start();
    quint16 Port() const { return serverPort(); }

    // Application bytes received over all connections.
    const QByteArray& Received() const { return received_; }
    int Accepted() const { return accepted_; }
    int Encrypted() const { return encrypted_; }
    int Ended() const { return ended_; }
    qint64 BytesSent() const { return bytesSent_; }

signals:
    // Any of the counts above changed.
    void changed();

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    void Serve(QSslSocket* socket);
    void StartReply(QSslSocket* socket, QByteArray* outgoing);
    void Pump(QSslSocket* socket, QByteArray* outgoing);

    QSslCertificate certificate_;
    QSslKey key_;
    Script script_;
    QByteArray received_;
    int accepted_ = 0;
    int encrypted_ = 0;
    int ended_ = 0;
    qint64 bytesSent_ = 0;
};
