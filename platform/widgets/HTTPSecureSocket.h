// The framework's HTTPS client: posts a form over TLS and returns the reply
// body. Post() blocks: it runs a local event loop that serves only socket
// and timer events, never user input, until the reply has ended, failed or
// stalled. The connection is always TLS 1.2 or newer with the peer's
// certificate and host name verified; there is no way to turn that off.
#pragma once

#include <QByteArray>
#include <QSslConfiguration>
#include <QString>
#include <memory>

#include "platform/core/Dictionary.h"
#include "platform/core/HttpLimits.h"

class QSslSocket;

namespace platform {

class HTTPSecureSocket {
public:
    static constexpr quint16 kDefaultPort = 443;

    // ErrorCode() values. Any other code above 0 is 1 + the socket's
    // QAbstractSocket::SocketError.
    static constexpr int kNoError = 0;
    static constexpr int kTimedOut = -1;
    static constexpr int kReplyTooLarge = -2;
    static constexpr int kBadURL = -3;

    // A client whose request headers already hold Accept "*/*" and
    // Accept-Language "en".
    HTTPSecureSocket();
    ~HTTPSecureSocket();
    HTTPSecureSocket(const HTTPSecureSocket&) = delete;
    HTTPSecureSocket& operator=(const HTTPSecureSocket&) = delete;

    // The request body becomes the encoded form, sent as
    // application/x-www-form-urlencoded.
    void SetFormData(const Dictionary& form);

    // Connects to the URL's host and port (443 when it names none), writes
    // the request once the TLS session is up and waits until the server
    // closes the connection. Returns the reply body received, also after a
    // time-out or an error (then often empty). `timeoutSeconds` is the
    // inactivity limit: the wait ends when the connection state has not
    // changed and the body has not grown for that long. The other bounds
    // are those of SetLimits().
    QByteArray Post(const QString& url, int timeoutSeconds);

    // Drops the connection, if any is left.
    void Close();

    int ErrorCode() const { return errorCode_; }
    // The reply's status code; 0 when no header block was read.
    int HTTPStatusCode() const { return statusCode_; }

    void SetLimits(const HttpLimits& limits) { limits_ = limits; }
    // Replaces the TLS configuration, so that a test can trust its own
    // certificate authority. The protocol floor and peer verification are
    // enforced on top of whatever is given.
    void SetSslConfiguration(const QSslConfiguration& configuration) { ssl_ = configuration; }

private:
    Dictionary headers_;
    QByteArray body_;
    HttpLimits limits_;
    QSslConfiguration ssl_;
    std::unique_ptr<QSslSocket> socket_;
    int errorCode_ = kNoError;
    int statusCode_ = 0;
};

}  // namespace platform
