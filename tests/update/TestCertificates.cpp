// Test certificates made with the openssl command; see TestCertificates.h.
#include "TestCertificates.h"

#include <QFile>
#include <QProcess>

namespace {

// EC keys: quick to make, so the suite starts at once.
const QStringList kNewKey = {"-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes"};

// Our own configuration, so the system's openssl.cnf does not matter.
constexpr char kConfig[] = R"([req]
distinguished_name = dn
prompt = no
[dn]
CN = unused
[authority]
basicConstraints = critical, CA:TRUE
keyUsage = critical, keyCertSign, cRLSign
subjectKeyIdentifier = hash
[localhost]
basicConstraints = critical, CA:FALSE
keyUsage = critical, digitalSignature
extendedKeyUsage = serverAuth
subjectAltName = DNS:localhost, IP:127.0.0.1
[elsewhere]
basicConstraints = critical, CA:FALSE
keyUsage = critical, digitalSignature
extendedKeyUsage = serverAuth
subjectAltName = DNS:update.test
[ca]
default_ca = test_ca
[test_ca]
database = index.txt
new_certs_dir = .
serial = serial
default_md = sha256
policy = any_name
unique_subject = no
[any_name]
commonName = supplied
)";

constexpr int kDays = 3650;

}  // namespace

bool TestCertificates::Make() {
    if (!dir_.isValid()) {
        error_ = "no temporary folder";
        return false;
    }
    QFile config(dir_.filePath("openssl.cnf"));
    QFile index(dir_.filePath("index.txt"));
    QFile serial(dir_.filePath("serial"));
    if (!config.open(QIODevice::WriteOnly) || config.write(kConfig) < 0 ||
        !index.open(QIODevice::WriteOnly) || !serial.open(QIODevice::WriteOnly) ||
        serial.write("1000\n") < 0) {
        error_ = "cannot write the openssl files";
        return false;
    }
    config.close();
    index.close();
    serial.close();

    const QString days = QString::number(kDays);
    const QStringList common = {"-config", "openssl.cnf"};
    // clang-format off
    return Run(QStringList{"req", "-x509"} + common + kNewKey + QStringList{"-keyout", "ca.key", "-out", "ca.crt", "-subj", "/CN=Tarnwick Test CA", "-extensions", "authority", "-days", days})
        && Run(QStringList{"req", "-x509"} + common + kNewKey + QStringList{"-keyout", "other-ca.key", "-out", "other-ca.crt", "-subj", "/CN=Untrusted Test CA", "-extensions", "authority", "-days", days})
        && Run(QStringList{"req", "-new"} + common + kNewKey + QStringList{"-keyout", "server.key", "-out", "localhost.csr", "-subj", "/CN=localhost"})
        && Run(QStringList{"req", "-new"} + common + QStringList{"-key", "server.key", "-out", "elsewhere.csr", "-subj", "/CN=update.test"})
        && Run({"x509", "-req", "-in", "localhost.csr", "-CA", "ca.crt", "-CAkey", "ca.key", "-set_serial", "1", "-days", days, "-extfile", "openssl.cnf", "-extensions", "localhost", "-out", "trusted.crt"})
        && Run({"x509", "-req", "-in", "localhost.csr", "-CA", "other-ca.crt", "-CAkey", "other-ca.key", "-set_serial", "2", "-days", days, "-extfile", "openssl.cnf", "-extensions", "localhost", "-out", "untrusted.crt"})
        && Run({"x509", "-req", "-in", "elsewhere.csr", "-CA", "ca.crt", "-CAkey", "ca.key", "-set_serial", "3", "-days", days, "-extfile", "openssl.cnf", "-extensions", "elsewhere", "-out", "wronghost.crt"})
        && Run(QStringList{"req", "-x509"} + common + QStringList{"-key", "server.key", "-out", "selfsigned.crt", "-subj", "/CN=localhost", "-extensions", "localhost", "-days", days})
        // Valid in 2000 only.
        && Run(QStringList{"ca", "-batch", "-notext"} + common + QStringList{"-cert", "ca.crt", "-keyfile", "ca.key", "-in", "localhost.csr", "-out", "expired.crt", "-startdate", "20000101000000Z", "-enddate", "20001231000000Z", "-extfile", "openssl.cnf", "-extensions", "localhost"});
    // clang-format on
}

QSslKey TestCertificates::ServerKey() const {
    QFile file(dir_.filePath("server.key"));
    if (!file.open(QIODevice::ReadOnly)) return QSslKey();
    return QSslKey(file.readAll(), QSsl::Ec);
}

bool TestCertificates::Run(const QStringList& arguments) {
    QProcess openssl;
    openssl.setWorkingDirectory(dir_.path());
    openssl.start("openssl", arguments);
    if (!openssl.waitForFinished(30'000) || openssl.exitStatus() != QProcess::NormalExit ||
        openssl.exitCode() != 0) {
        error_ = "openssl " + arguments.join(' ') + ": " +
                 QString::fromLocal8Bit(openssl.readAllStandardError());
        return false;
    }
    return true;
}

QSslCertificate TestCertificates::Load(const QString& name) const {
    QFile file(dir_.filePath(name));
    if (!file.open(QIODevice::ReadOnly)) return QSslCertificate();
    return QSslCertificate(file.readAll(), QSsl::Pem);
}
