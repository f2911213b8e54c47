// The tests' TLS server; see TlsTestServer.h.
#include "TlsTestServer.h"

#include <QSslConfiguration>
#include <QSslSocket>
#include <QTimer>
#include <memory>

namespace {

constexpr char kStatusLine[] = "HTTP/1.0 200 OK\r\n";
constexpr char kHeaderBlock[] = "HTTP/1.0 200 OK\r\n\r\n";
// Header lines that never make a doubled line end.
constexpr char kFillerLine[] = "X-Filler: 123456\r\n";

// Whether `data` holds a whole request: the header block and as many body
// bytes as its Content-length names.
bool HoldsWholeRequest(const QByteArray& data) {
    const qsizetype end = data.indexOf("\r\n\r\n");
    if (end < 0) return false;
    qsizetype length = 0;
    const QByteArray name = "\r\nContent-length: ";
    const qsizetype at = data.left(end).indexOf(name);
    if (at >= 0) {
        const qsizetype from = at + name.size();
        const qsizetype lineEnd = data.indexOf("\r\n", from);
        length = data.mid(from, lineEnd - from).toLongLong();
    }
    return data.size() >= end + 4 + length;
}

}  // namespace

TlsTestServer::TlsTestServer(const QSslCertificate& certificate, const QSslKey& key)
    : certificate_(certificate), key_(key) {}

bool TlsTestServer::Start() { return listen(QHostAddress::LocalHost, 0); }

void TlsTestServer::incomingConnection(qintptr descriptor) {
    auto* socket = new QSslSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    ++accepted_;
    connect(socket, &QAbstractSocket::disconnected, this, [this, socket] {
        ++ended_;
        socket->deleteLater();
        emit changed();
    });
    emit changed();
    if (script_.mode == Mode::NoHandshake) return;

    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificate(certificate_);
    configuration.setPrivateKey(key_);
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    socket->setSslConfiguration(configuration);
    connect(socket, &QSslSocket::encrypted, this, [this, socket] {
        ++encrypted_;
        Serve(socket);
        emit changed();
    });
    socket->startServerEncryption();
}

void TlsTestServer::Serve(QSslSocket* socket) {
    // What is still to go out on this connection.
    auto outgoing = std::make_shared<QByteArray>();
    auto request = std::make_shared<QByteArray>();
    auto replying = std::make_shared<bool>(false);
    connect(socket, &QIODevice::readyRead, this, [=, this] {
        const QByteArray bytes = socket->readAll();
        received_ += bytes;
        *request += bytes;
        emit changed();
        if (!*replying && HoldsWholeRequest(*request)) {
            *replying = true;
            StartReply(socket, outgoing.get());
        }
    });
    connect(socket, &QSslSocket::encryptedBytesWritten, this, [=, this] {
        if (socket->encryptedBytesToWrite() == 0) Pump(socket, outgoing.get());
    });
}

void TlsTestServer::StartReply(QSslSocket* socket, QByteArray* outgoing) {
    switch (script_.mode) {
        case Mode::Reply:
            *outgoing = script_.reply;
            break;
        case Mode::EndlessHeader:
            *outgoing = kStatusLine;
            break;
        case Mode::EndlessBody:
        case Mode::Trickle:
            *outgoing = kHeaderBlock;
            break;
        case Mode::TrickleHeader:
            break;
        case Mode::NoHandshake:
            return;
    }
    if (script_.mode == Mode::Trickle || script_.mode == Mode::TrickleHeader) {
        const QByteArray pattern = script_.mode == Mode::Trickle ? QByteArray("x") : kFillerLine;
        auto* timer = new QTimer(socket);
        connect(timer, &QTimer::timeout, socket,
                [this, socket, pattern, at = qsizetype(0)]() mutable {
                    socket->write(pattern.mid(at, 1));
                    at = (at + 1) % pattern.size();
                    bytesSent_ += 1;
                });
        timer->start(script_.trickleMs);
    }
    Pump(socket, outgoing);
}

void TlsTestServer::Pump(QSslSocket* socket, QByteArray* outgoing) {
    if (socket->state() != QAbstractSocket::ConnectedState) return;
    if (outgoing->isEmpty()) {
        if (script_.mode == Mode::EndlessHeader) {
            *outgoing = kFillerLine;
        } else if (script_.mode == Mode::EndlessBody) {
            *outgoing = QByteArray(kPiece, 'a');
        }
    }
    if (outgoing->isEmpty()) {
        if (script_.mode == Mode::Reply && script_.closeAfterReply) socket->disconnectFromHost();
        return;
    }
    const QByteArray piece = outgoing->left(kPiece);
    outgoing->remove(0, piece.size());
    socket->write(piece);
    bytesSent_ += piece.size();
}
