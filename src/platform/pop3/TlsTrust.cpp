#include "TlsTrust.h"

#include <QSslConfiguration>
#include <QSslSocket>

namespace tarnwell {

bool TlsTrust::configure(QSslSocket &socket, const QString &host, QString *error)
{
    if (!m_system)
        m_system = QSslConfiguration::systemCaCertificates();
    QList<QSslCertificate> authorities = *m_system;

    const QString caFile = qEnvironmentVariable(kCaFileVariable);
    if (!caFile.isEmpty()) {
        const QList<QSslCertificate> extra = QSslCertificate::fromPath(caFile, QSsl::Pem);
        if (extra.isEmpty()) {
            *error = QStringLiteral("No CA certificate could be read from %1 (named by %2)")
                         .arg(caFile, QLatin1String(kCaFileVariable));
            return false;
        }
        authorities += extra;
    }

    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setCaCertificates(authorities);
    configuration.setPeerVerifyMode(QSslSocket::VerifyPeer);
    configuration.setProtocol(QSsl::TlsV1_2OrLater);
    socket.setSslConfiguration(configuration);
    socket.setPeerVerifyName(host);
    return true;
}

QString TlsTrust::describe(const QList<QSslError> &errors, const QString &host)
{
    QStringList reasons;
    for (const QSslError &e : errors) {
        QString reason;
        switch (e.error()) {
        case QSslError::HostNameMismatch:
            reason = QStringLiteral("it is not issued for %1").arg(host);
            break;
        case QSslError::CertificateExpired:
            reason = QStringLiteral("it has expired");
            break;
        case QSslError::CertificateNotYetValid:
            reason = QStringLiteral("it is not valid yet");
            break;
        case QSslError::SelfSignedCertificate:
        case QSslError::SelfSignedCertificateInChain:
        case QSslError::UnableToGetLocalIssuerCertificate:
        case QSslError::UnableToGetIssuerCertificate:
        case QSslError::UnableToVerifyFirstCertificate:
            reason = QStringLiteral("its issuer is unknown (%1)").arg(e.errorString());
            break;
        case QSslError::CertificateRevoked:
            reason = QStringLiteral("it has been revoked");
            break;
        default:
            reason = e.errorString();
            break;
        }
        if (!reasons.contains(reason))
            reasons.append(reason);
    }
    if (reasons.isEmpty())
        reasons.append(QStringLiteral("it could not be verified"));
    return QStringLiteral("The certificate of %1 is not trusted: %2").arg(host, reasons.join(QStringLiteral("; ")));
}

} // namespace tarnwell
