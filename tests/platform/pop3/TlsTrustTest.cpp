#include "platform/pop3/TlsTrust.h"

#include "support/PrintTo.h"
#include "support/TempHome.h"

#include <QSslConfiguration>
#include <QSslSocket>

#include <gtest/gtest.h>

namespace tarnwell {
namespace {

class TlsTrustTest : public test::HomeTest
{
protected:
    void TearDown() override { qunsetenv(TlsTrust::kCaFileVariable); }
};

TEST_F(TlsTrustTest, DescribesWhatIsWrongWithTheCertificate)
{
    const struct
    {
        QSslError::SslError error;
        const char *words;
    } cases[] = {{QSslError::HostNameMismatch, "it is not issued for mail.example.com"},
                 {QSslError::CertificateExpired, "it has expired"},
                 {QSslError::CertificateNotYetValid, "it is not valid yet"},
                 {QSslError::UnableToGetLocalIssuerCertificate, "its issuer is unknown"},
                 {QSslError::SelfSignedCertificate, "its issuer is unknown"}};
    for (const auto &c : cases) {
        const QString text = TlsTrust::describe({QSslError(c.error)}, QStringLiteral("mail.example.com"));
        EXPECT_TRUE(text.startsWith(QStringLiteral("The certificate of mail.example.com is not trusted: "))) << text.toStdString();
        EXPECT_TRUE(text.contains(QLatin1String(c.words))) << text.toStdString();
    }
    const QString both = TlsTrust::describe({QSslError(QSslError::CertificateExpired), QSslError(QSslError::HostNameMismatch)},
                                            QStringLiteral("h"));
    EXPECT_EQ(both, QStringLiteral("The certificate of h is not trusted: it has expired; it is not issued for h"));
}

TEST_F(TlsTrustTest, ACaFileWithoutCertificatesIsRefused)
{
    home.write(QStringLiteral("empty.pem"), "not a certificate\n");
    qputenv(TlsTrust::kCaFileVariable, home.file(QStringLiteral("empty.pem")).toLocal8Bit());
    TlsTrust trust;
    QSslSocket socket;
    QString error;
    EXPECT_FALSE(trust.configure(socket, QStringLiteral("localhost"), &error));
    EXPECT_TRUE(error.contains(home.file(QStringLiteral("empty.pem")))) << error.toStdString();
    EXPECT_TRUE(error.contains(QLatin1String("TARNWELL_CA_FILE"))) << error.toStdString();
}

TEST_F(TlsTrustTest, WithoutACaFileTheSystemsCasAreTrusted)
{
    qunsetenv(TlsTrust::kCaFileVariable);
    TlsTrust trust;
    QSslSocket socket;
    QString error;
    ASSERT_TRUE(trust.configure(socket, QStringLiteral("localhost"), &error)) << error.toStdString();
    EXPECT_EQ(socket.sslConfiguration().caCertificates().size(), QSslConfiguration::systemCaCertificates().size());
    EXPECT_EQ(socket.peerVerifyMode(), QSslSocket::VerifyPeer);
    EXPECT_EQ(socket.peerVerifyName(), QStringLiteral("localhost"));
}

} // namespace
} // namespace tarnwell
