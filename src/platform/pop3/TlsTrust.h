#pragma once

#include <QList>
#include <QSslCertificate>
#include <QSslError>
#include <QString>

#include <optional>

class QSslSocket;

namespace tarnwell {

// Which certificates a POP3 server may present: those that chain to one of the
// system's CAs or, when the environment variable TARNWELL_CA_FILE names a PEM
// file, to one of the CAs in it, and that name the host connected to.
class TlsTrust
{
public:
    static constexpr const char *kCaFileVariable = "TARNWELL_CA_FILE";

    // Sets the trusted CAs, the verify mode and the name to verify on the socket.
    // Fails with a text when TARNWELL_CA_FILE is set but holds no certificate.
    bool configure(QSslSocket &socket, const QString &host, QString *error);

    // The failure text for certificate errors: what is wrong, in plain words.
    static QString describe(const QList<QSslError> &errors, const QString &host);

private:
    // The system's CAs, read once per client (reading them takes a while).
    std::optional<QList<QSslCertificate>> m_system;
};

} // namespace tarnwell
