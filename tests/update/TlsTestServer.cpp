// The update query's peer; see TlsTestServer.h.
#include "TlsTestServer.h"

#include <QFile>
#include <QProcess>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

namespace {

QTemporaryDir& Folder() {
    static QTemporaryDir folder;
    return folder;
}

QByteArray ReadFile(const QString& name) {
    QFile file(Folder().filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Openssl(const QString& arguments) {
    QProcess openssl;
    openssl.setWorkingDirectory(Folder().path());
    openssl.start("openssl", QStringList{"req", "-x509", "-days", "3650"} + arguments.split(' '));
    return openssl.waitForFinished(30'000) && openssl.exitStatus() == QProcess::NormalExit &&
           openssl.exitCode() == 0;
}

}  // namespace

bool TlsTestServer::MakeCertificates() {
    const QString key = "-newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -keyout ";
    const QString byAuthority = " -CA ca.crt -CAkey ca.key -addext subjectAltName=DNS:";
    return Openssl(key + "ca.key -out ca.crt -subj /CN=Tarnwick-Test-CA") &&
           Openssl(key + "server.key -out trusted.crt -subj /CN=localhost" + byAuthority +
                   "localhost,IP:127.0.0.1") &&
           Openssl("-key server.key -out wronghost.crt -subj /CN=update.test" + byAuthority +
                   "update.test") &&
           Openssl(
               "-key server.key -out selfsigned.crt -subj /CN=localhost -addext "
               "subjectAltName=DNS:localhost,IP:127.0.0.1");
}

QSslCertificate TlsTestServer::Authority() { return QSslCertificate(ReadFile("ca.crt")); }

TlsTestServer::TlsTestServer(Script script, const QString& certificate, QSsl::SslProtocol protocol)
    : script_(std::move(script)),
      certificate_(ReadFile(certificate + ".crt")),
      protocol_(protocol) {
    listen(QHostAddress::LocalHost, 0);
}

QString TlsTestServer::Url() const {
    return QStringLiteral("https://localhost:%1/www/ssl/check.php").arg(serverPort());
}

void TlsTestServer::incomingConnection(qintptr descriptor) {
    auto* socket = new QSslSocket(this);
    socket->setSocketDescriptor(descriptor);
    if (certificate_.isNull()) return;
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificate(certificate_);
    configuration.setPrivateKey(QSslKey(ReadFile("server.key"), QSsl::Ec));
    configuration.setProtocol(protocol_);
    // So that only the client's own floor can refuse an old protocol.
    configuration.setBackendConfigurationOption("CipherString", "DEFAULT:@SECLEVEL=0");
    socket->setSslConfiguration(configuration);
    // Unset until the request is in.
    auto outgoing = std::make_shared<std::optional<QByteArray>>();
    connect(socket, &QIODevice::readyRead, this, [this, socket, outgoing] {
        const bool first = received_.isEmpty();
        received_ += socket->readAll();
        // The request is small enough to arrive in one piece.
        if (!first) return;
        if (script_.trickle) {
            auto* timer = new QTimer(socket);
            // Closes after 8 s, so that a client without a cap on the whole
            // exchange fails late rather than hanging.
            connect(timer, &QTimer::timeout, socket, [this, socket, ticks = 0]() mutable {
                socket->write(script_.endless);
                if (++ticks == 20) socket->disconnectFromHost();
            });
            timer->start(400);
        }
        *outgoing = script_.reply;
        Pump(socket, *outgoing);
    });
    connect(socket, &QSslSocket::encryptedBytesWritten, this, [this, socket, outgoing] {
        if (socket->encryptedBytesToWrite() == 0) Pump(socket, *outgoing);
    });
    socket->startServerEncryption();
}

void TlsTestServer::Pump(QSslSocket* socket, std::optional<QByteArray>& outgoing) {
    if (!outgoing || socket->state() != QAbstractSocket::ConnectedState) return;
    if (outgoing->isEmpty() && !script_.trickle) *outgoing = script_.endless;
    if (outgoing->isEmpty()) {
        if (script_.close) socket->disconnectFromHost();
        return;
    }
    socket->write(outgoing->left(20));
    outgoing->remove(0, 20);
}
