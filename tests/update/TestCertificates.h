// Certificates for the TLS tests, made with the openssl command into a
// temporary folder when the suite starts: a test authority the client is
// told to trust, and server certificates that are good, signed by another
// authority, expired, self-signed, or made out to another host.
#pragma once

#include <QList>
#include <QSslCertificate>
#include <QSslKey>
#include <QString>
#include <QTemporaryDir>

class TestCertificates {
public:
    // Makes all of them; false (with the reason in Error()) when openssl
    // failed.
    bool Make();
    QString Error() const { return error_; }

    QSslCertificate Authority() const { return Load("ca.crt"); }
    // The one key behind every server certificate.
    QSslKey ServerKey() const;
    // "trusted" (localhost and 127.0.0.1, by the test authority),
    // "untrusted" (same names, by an authority nobody trusts), "expired",
    // "selfsigned", "wronghost" (made out to update.test).
    QSslCertificate Server(const QString& kind) const { return Load(kind + ".crt"); }

private:
    bool Run(const QStringList& arguments);
    QSslCertificate Load(const QString& name) const;

    QTemporaryDir dir_;
    QString error_;
};
