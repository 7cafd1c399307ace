#include "platform/pop3/Pop3Client.h"
#include "platform/pop3/Pop3Texts.h"
#include "platform/pop3/TlsTrust.h"

#include "support/PrintTo.h"
#include "support/TempHome.h"
#include "support/pop3/DovecotServer.h"
#include "support/pop3/Pop3EventRecorder.h"
#include "support/pop3/ScopedEnvironment.h"
#include "support/pop3/TestMessages.h"

#include <QSet>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tarnwell {
namespace {

using test::DovecotServer;
using ::testing::HasSubstr;
using ::testing::StartsWith;

class DovecotClientTest : public test::HomeTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dovecot.isRunning()) << dovecot.errorText().toStdString();
        account = dovecot.addUser(dovecot.freshUserName(), QStringLiteral("pass-") + QString::number(qrand()),
                                  test::testMessages(3));
        client.setServer(dovecot.plainServer());
        client.setUserName(account.userName);
        client.setPassword(account.password);
    }

    static int qrand() { return int(reinterpret_cast<quintptr>(&qrand) % 9973); }

    void expectListed(const QList<QByteArray> &messages)
    {
        ASSERT_EQ(client.headers().size(), messages.size());
        QSet<QByteArray> ids;
        for (qsizetype i = 0; i < messages.size(); ++i) {
            const HeaderEntry &entry = client.headers().at(i);
            EXPECT_EQ(entry.size, DovecotServer::wireSize(messages.at(i))) << "entry " << i;
            EXPECT_EQ(entry.lines, test::testHeaderLines(int(i) + 1)) << "entry " << i;
            EXPECT_FALSE(entry.uid.isEmpty());
            ids.insert(entry.uid);
        }
        EXPECT_EQ(ids.size(), messages.size()) << "unique ids differ";
    }

    // The last login line dovecot logged for this test's user.
    QString loginLine() const
    {
        const QStringList lines = dovecot.log().split(QLatin1Char('\n'));
        for (auto it = lines.crbegin(); it != lines.crend(); ++it) {
            if (it->contains(QStringLiteral("Login: user=<%1>").arg(account.userName)))
                return *it;
        }
        return {};
    }

    DovecotServer &dovecot = DovecotServer::shared();
    test::Pop3Account account;
    Pop3Client client;
    test::Pop3EventRecorder events{client};
};

struct TransportCase
{
    const char *title;
    QString (DovecotServer::*server)() const;
    bool tls;
};

void PrintTo(const TransportCase &c, std::ostream *os)
{
    *os << c.title;
}

class DovecotTransportTest : public DovecotClientTest, public ::testing::WithParamInterface<TransportCase>
{
};

TEST_P(DovecotTransportTest, ListsSizesHeaderLinesAndIds)
{
    client.setServer((dovecot.*GetParam().server)());
    ASSERT_TRUE(client.ListHeaders()) << client.lastFailure().text.toStdString() << dovecot.log().toStdString();
    EXPECT_EQ(client.messageCount(), 3);
    expectListed(test::testMessages(3));
    EXPECT_EQ(events.events(), (QStringList{"OnOpen", "OnUpdatingInfo", "OnNextInfoUpdated 0", "OnNextInfoUpdated 1",
                                            "OnNextInfoUpdated 2", "OnClosing", "OnClosed", "OnInfoUpdated"}));
    const QString login = loginLine();
    ASSERT_FALSE(login.isEmpty()) << dovecot.log().toStdString();
    EXPECT_EQ(login.contains(QLatin1String("TLS")), GetParam().tls) << login.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Transports, DovecotTransportTest,
                         ::testing::Values(TransportCase{"STLS", &DovecotServer::plainServer, true},
                                           TransportCase{"POP3S", &DovecotServer::tlsServer, true},
                                           TransportCase{"plain only", &DovecotServer::plainOnlyServer, false}));

TEST_F(DovecotClientTest, AHeaderOfSeveralMegabytesComesThroughTls)
{
    // Larger than every buffer on the way, so the reading has to hold back and resume.
    QByteArray big = "Subject: big\r\n";
    while (big.size() < 3 * 1024 * 1024)
        big += "X-Filler: " + QByteArray(1000, 'f') + "\r\n";
    big += "\r\nbody\r\n";
    const auto bigAccount = dovecot.addUser(dovecot.freshUserName(), QStringLiteral("big"), {big, test::testMessage(2)});
    client.setUserName(bigAccount.userName);
    client.setPassword(bigAccount.password);
    for (const QString &server : {dovecot.tlsServer(), dovecot.plainServer()}) {
        SCOPED_TRACE(server.toStdString());
        client.setServer(server);
        ASSERT_TRUE(client.ListHeaders()) << client.lastFailure().text.toStdString();
        ASSERT_EQ(client.headers().size(), 2);
        EXPECT_EQ(client.headers().at(0).size, DovecotServer::wireSize(big));
        EXPECT_EQ(client.headers().at(0).lines.size(), big.count('\n') - 1) << "every header line and one empty line";
        EXPECT_EQ(client.headers().at(1).lines, test::testHeaderLines(2));
    }
}

TEST_F(DovecotClientTest, AWrongPasswordFailsWithTheServersReply)
{
    client.setPassword(QStringLiteral("not the password"));
    EXPECT_FALSE(client.ListHeaders());
    EXPECT_EQ(client.lastFailure().kind, Pop3FailureKind::Server);
    EXPECT_THAT(client.lastFailure().text.toStdString(), StartsWith("-ERR "));
    EXPECT_THAT(client.lastFailure().text.toStdString(), HasSubstr("Authentication failed"));
    EXPECT_EQ(events.events(), QStringList{QStringLiteral("OnOpen")}) << "a -ERR raises no OnError";
}

TEST_F(DovecotClientTest, AnUnresolvableHostFails)
{
    // An empty label: no name server is ever asked about it.
    client.setServer(QStringLiteral("no..such.host.invalid:%1").arg(dovecot.plainPort()));
    EXPECT_FALSE(client.ListHeaders());
    EXPECT_EQ(client.lastFailure().kind, Pop3FailureKind::Network);
    EXPECT_EQ(client.lastFailure().text, QStringLiteral("Error resolving remote host"));
    EXPECT_EQ(events.events(), (QStringList{"OnOpen", "OnError Error resolving remote host"}));
}

TEST_F(DovecotClientTest, AClosedPortFailsWithTheSystemsText)
{
    client.setServer(QStringLiteral("127.0.0.1:1"));
    EXPECT_FALSE(client.ListHeaders());
    EXPECT_EQ(client.lastFailure().kind, Pop3FailureKind::Network);
    EXPECT_EQ(client.lastFailure().text, QStringLiteral("Connection refused"));
}

TEST_F(DovecotClientTest, ACertificateFromAnUnknownCaIsRefusedAndTrustedWithTheCaFile)
{
    for (const QString &server : {dovecot.plainServer(), dovecot.tlsServer()}) {
        SCOPED_TRACE(server.toStdString());
        client.setServer(server);
        {
            const auto untrusted = test::ScopedEnvironment::unset(TlsTrust::kCaFileVariable);
            EXPECT_FALSE(client.ListHeaders());
            EXPECT_EQ(client.lastFailure().kind, Pop3FailureKind::Network);
            EXPECT_THAT(client.lastFailure().text.toStdString(),
                        StartsWith("The certificate of localhost is not trusted: its issuer is unknown"));
        }
        const test::ScopedEnvironment trusted(TlsTrust::kCaFileVariable, dovecot.caFile().toLocal8Bit());
        EXPECT_TRUE(client.ListHeaders()) << client.lastFailure().text.toStdString();
        EXPECT_EQ(client.headers().size(), 3);
    }
    EXPECT_EQ(dovecot.loginCount(account.userName), 2) << "no login over an untrusted connection";
}

TEST_F(DovecotClientTest, ACertificateForAnotherNameIsRefused)
{
    // The certificate names "localhost", not the address.
    client.setServer(QStringLiteral("pop3s://127.0.0.1:%1").arg(dovecot.tlsPort()));
    EXPECT_FALSE(client.ListHeaders());
    EXPECT_EQ(client.lastFailure().kind, Pop3FailureKind::Network);
    EXPECT_EQ(client.lastFailure().text,
              QStringLiteral("The certificate of 127.0.0.1 is not trusted: it is not issued for 127.0.0.1"));
}

TEST_F(DovecotClientTest, KeepConnectedKeepsOneLoginForTwoListings)
{
    client.setKeepConnected(true);
    ASSERT_TRUE(client.ListHeaders()) << client.lastFailure().text.toStdString();
    EXPECT_TRUE(client.IsConnected());
    // Mail that arrives meanwhile is not part of the session counted at login.
    dovecot.deliver(account, {test::testMessage(4)});
    ASSERT_TRUE(client.ListHeaders()) << client.lastFailure().text.toStdString();
    EXPECT_EQ(client.messageCount(), 3);
    expectListed(test::testMessages(3));
    EXPECT_EQ(dovecot.loginCount(account.userName), 1);
    client.Disconnect();
    EXPECT_FALSE(client.IsConnected());

    ASSERT_TRUE(client.ListHeaders());
    EXPECT_EQ(client.messageCount(), 4);
    EXPECT_EQ(dovecot.loginCount(account.userName), 2);
}

TEST_F(DovecotClientTest, ExecuteFlaggedDownloadsAndDeletesExactlyTheFlaggedMessages)
{
    ASSERT_TRUE(client.ListHeaders());
    client.FlagForDeletion(0);
    client.FlagForRetrieval(1);
    client.FlagForDeletion(2);
    ASSERT_TRUE(client.ExecuteFlagged()) << client.lastFailure().text.toStdString();
    ASSERT_EQ(events.saved().size(), 1);
    EXPECT_EQ(events.saved().first().first, 1);
    EXPECT_EQ(events.saved().first().second, test::testMessage(2));
    const QList<QByteArray> left = dovecot.messages(account);
    ASSERT_EQ(left.size(), 1);
    EXPECT_TRUE(left.first().contains("Subject: Message 2\n"));
}

TEST_F(DovecotClientTest, ADeletionActsOnTheListedMessageAfterOthersChangedTheMailbox)
{
    dovecot.deliver(account, {test::testMessage(4)});
    ASSERT_TRUE(client.ListHeaders());
    client.FlagForDeletion(1); // "Message 2"

    // Another mail program takes message 1 away: "Message 2" becomes number 1.
    Pop3Client other;
    other.setServer(dovecot.plainServer());
    other.setUserName(account.userName);
    other.setPassword(account.password);
    ASSERT_TRUE(other.ListHeaders());
    other.FlagForDeletion(0);
    ASSERT_TRUE(other.ExecuteFlagged()) << other.lastFailure().text.toStdString();

    ASSERT_TRUE(client.ExecuteFlagged()) << client.lastFailure().text.toStdString();
    const QList<QByteArray> left = dovecot.messages(account);
    ASSERT_EQ(left.size(), 2);
    EXPECT_TRUE(left.at(0).contains("Subject: Message 3\n"));
    EXPECT_TRUE(left.at(1).contains("Subject: Message 4\n"));
}

TEST_F(DovecotClientTest, ADeletionOfAMessageOthersRemovedStopsWithNothingDeleted)
{
    ASSERT_TRUE(client.ListHeaders());
    client.FlagForDeletion(0);
    client.FlagForDeletion(2);

    Pop3Client other;
    other.setServer(dovecot.plainServer());
    other.setUserName(account.userName);
    other.setPassword(account.password);
    ASSERT_TRUE(other.ListHeaders());
    other.FlagForDeletion(2);
    ASSERT_TRUE(other.ExecuteFlagged());

    EXPECT_FALSE(client.ExecuteFlagged());
    EXPECT_EQ(client.lastFailure().kind, Pop3FailureKind::Network);
    EXPECT_EQ(client.lastFailure().text,
              QStringLiteral("Message 3 is no longer on the server as it was listed; list the mailbox again"));
    EXPECT_EQ(dovecot.messages(account).size(), 2) << "message 1 is still there";
}

} // namespace
} // namespace tarnwell
