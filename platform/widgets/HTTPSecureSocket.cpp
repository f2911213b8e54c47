// The HTTPS client's transport: the TLS socket, the request write and the
// deadlines. What the reply bytes mean is HttpReplyReader's business.
#include "HTTPSecureSocket.h"

#include <QEventLoop>
#include <QSslSocket>
#include <QTimer>
#include <algorithm>
#include <climits>

#include "platform/core/FormEncoding.h"
#include "platform/core/HttpReplyReader.h"
#include "platform/core/HttpRequest.h"

namespace platform {

namespace {

int SocketErrorCode(QAbstractSocket::SocketError error) { return 1 + static_cast<int>(error); }

int InactivityMs(int timeoutSeconds) {
    return std::clamp(timeoutSeconds, 0, INT_MAX / 1000) * 1000;
}

}  // namespace

HTTPSecureSocket::HTTPSecureSocket() : ssl_(QSslConfiguration::defaultConfiguration()) {
    headers_.SetValue("Accept", "*/*");
    headers_.SetValue("Accept-Language", "en");
}

HTTPSecureSocket::~HTTPSecureSocket() { Close(); }

void HTTPSecureSocket::SetFormData(const Dictionary& form) { body_ = EncodeForm(form); }

void HTTPSecureSocket::Close() {
    if (socket_) {
        socket_->abort();
        socket_.reset();
    }
}

QByteArray HTTPSecureSocket::Post(const QString& url, int timeoutSeconds) {
    Close();
    errorCode_ = kNoError;
    statusCode_ = 0;

    const std::optional<UrlParts> target = SplitUrl(url, kDefaultPort);
    if (!target) {
        errorCode_ = kBadURL;
        return {};
    }
    if (!QSslSocket::supportsSsl()) {
        errorCode_ = SocketErrorCode(QAbstractSocket::SslInternalError);
        return {};
    }
    Dictionary headers = headers_;
    headers.SetValue("Host", target->host);
    headers.SetValue("Content-type", "application/x-www-form-urlencoded");
    headers.SetValue("Content-length", QByteArray::number(body_.size()));
    const QByteArray request = BuildPostRequest(target->path, headers, body_);

    socket_ = std::make_unique<QSslSocket>();
    QSslSocket* const socket = socket_.get();
    QSslConfiguration ssl = ssl_;
    ssl.setProtocol(QSsl::TlsV1_2OrLater);
    ssl.setPeerVerifyMode(QSslSocket::VerifyPeer);
    socket->setSslConfiguration(ssl);
    socket->setReadBufferSize(std::max<qint64>(limits_.readBufferSize, 1));

    HttpReplyReader reader(limits_);
    QEventLoop loop;
    // Moved whenever the connection comes up or the body grows; header
    // bytes alone do not count as progress.
    QTimer inactivity;
    inactivity.setSingleShot(true);
    inactivity.setTimerType(Qt::PreciseTimer);
    inactivity.setInterval(InactivityMs(timeoutSeconds));
    // Ends even a server that keeps trickling bytes.
    QTimer total;
    total.setSingleShot(true);
    total.setTimerType(Qt::PreciseTimer);
    total.setInterval(std::max(limits_.totalCapMs, 0));

    bool established = false;
    bool done = false;
    const auto finish = [&](int code) {
        if (done) return;
        done = true;
        errorCode_ = code;
        loop.quit();
    };
    const auto take = [&] {
        const qsizetype before = reader.Body().size();
        while (!reader.Stopped() && socket->bytesAvailable() > 0) {
            reader.Feed(socket->read(std::max<qint64>(limits_.readPiece, 1)));
        }
        if (reader.Body().size() != before) inactivity.start();
        if (reader.HeaderTooLarge() || reader.BodyTooLarge()) finish(kReplyTooLarge);
    };
    // After the connection was established, its end is the end of the reply
    // (HTTP/1.0); what is still waiting in the socket belongs to it.
    const auto lost = [&](int code) {
        take();
        if (done) return;
        reader.ConnectionClosed();
        finish(code);
    };

    // Receiver of every connection below: destroyed before the loop, the
    // reader and the timers, so no handler outlives what it refers to.
    QObject context;
    QObject::connect(socket, &QSslSocket::encrypted, &context, [&] {
        if (done) return;
        established = true;
        inactivity.start();
        socket->write(request);
    });
    QObject::connect(socket, &QIODevice::readyRead, &context, [&] {
        if (!done && established) take();
    });
    QObject::connect(socket, &QAbstractSocket::errorOccurred, &context,
                     [&](QAbstractSocket::SocketError error) {
                         if (done) return;
                         if (!established) {
                             finish(SocketErrorCode(error));
                         } else if (error == QAbstractSocket::RemoteHostClosedError) {
                             lost(kNoError);
                         } else {
                             lost(SocketErrorCode(error));
                         }
                     });
    QObject::connect(socket, &QAbstractSocket::disconnected, &context, [&] {
        if (done) return;
        if (established) {
            lost(kNoError);
        } else {
            finish(SocketErrorCode(QAbstractSocket::RemoteHostClosedError));
        }
    });
    QObject::connect(&inactivity, &QTimer::timeout, &context, [&] { finish(kTimedOut); });
    QObject::connect(&total, &QTimer::timeout, &context, [&] { finish(kTimedOut); });

    inactivity.start();
    total.start();
    // The host name is also the name the certificate must carry.
    socket->connectToHostEncrypted(QString::fromLatin1(target->host), target->port);
    // A failure can be reported inside the call already; quitting a loop
    // that has not started would be lost.
    if (!done) loop.exec(QEventLoop::ExcludeUserInputEvents);

    socket->abort();
    statusCode_ = reader.StatusCode();
    return reader.Body();
}

}  // namespace platform
