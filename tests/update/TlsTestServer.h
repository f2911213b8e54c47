// The update query's peer: a TLS server on 127.0.0.1 with certificates made
// by the openssl command at test time. It runs in the test's own thread
// (the client's wait serves socket events), writes its reply in pieces of
// 20 bytes, each once the last has gone out, so every read boundary is
// crossed, and records every request byte.
#pragma once

#include <QSslCertificate>
#include <QSslKey>
#include <QTcpServer>
#include <optional>

class QSslSocket;

class TlsTestServer : public QTcpServer {
    Q_OBJECT
public:
    // What the server sends once the request is in: `reply`, then `endless`
    // for ever, each time the last has gone out; or, when `trickle`, every
    // 400 ms for 8 s and then closes. Without `endless` it closes after the
    // reply when `close`.
    struct Script {
        QByteArray reply = {};
        QByteArray endless = {};
        bool trickle = false;
        bool close = true;
    };

    // Makes the authority and the server certificates; false if openssl
    // failed.
    static bool MakeCertificates();
    // The test authority, which the client is told to trust.
    static QSslCertificate Authority();

    // `certificate`: "trusted" (localhost and 127.0.0.1, by the authority),
    // "selfsigned", "wronghost" (update.test, by the authority), or "none":
    // TCP is accepted and the TLS handshake never answered.
    TlsTestServer(Script script, const QString& certificate = "trusted",
                  QSsl::SslProtocol protocol = QSsl::TlsV1_2OrLater);

    QString Url() const;
    const QByteArray& Received() const { return received_; }

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    void Pump(QSslSocket* socket, std::optional<QByteArray>& outgoing);

    Script script_;
    QSslCertificate certificate_;
    QSsl::SslProtocol protocol_;
    QByteArray received_;
};
