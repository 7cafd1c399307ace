#include "platform/pop3/DialUpConnector.h"
#include "platform/pop3/Pop3Client.h"
#include "platform/pop3/Pop3Texts.h"

#include "support/PrintTo.h"
#include "support/TempHome.h"
#include "support/pop3/Pop3EventRecorder.h"
#include "support/pop3/ScriptedPop3Server.h"
#include "support/pop3/TestMessages.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tarnwell {
namespace {

using test::ScriptedPop3Server;
using Action = ScriptedPop3Server::Action;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

QStringList listingEvents(int count, bool keepConnected = false)
{
    QStringList events{QStringLiteral("OnOpen"), QStringLiteral("OnUpdatingInfo")};
    for (int i = 0; i < count; ++i)
        events << QStringLiteral("OnNextInfoUpdated %1").arg(i);
    if (!keepConnected)
        events << QStringLiteral("OnClosing") << QStringLiteral("OnClosed");
    events << QStringLiteral("OnInfoUpdated");
    return events;
}

class ScriptedClientTest : public test::HomeTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.listen());
        server.setMessages(test::testMessages(3));
        client.setServer(server.server());
        client.setUserName(QStringLiteral("alice"));
        client.setPassword(QStringLiteral("secret"));
    }

    void expectFailure(Pop3FailureKind kind, const QString &text)
    {
        EXPECT_EQ(client.lastFailure().kind, kind);
        EXPECT_EQ(client.lastFailure().text, text);
        EXPECT_FALSE(client.IsConnected());
    }

    int commandsStartingWith(const QByteArray &verb) const
    {
        return int(std::count_if(server.commands().cbegin(), server.commands().cend(),
                                 [&](const QByteArray &c) { return c.startsWith(verb); }));
    }

    ScriptedPop3Server server;
    Pop3Client client;
    test::Pop3EventRecorder events{client};
};

TEST_F(ScriptedClientTest, ListingRaisesTheEventsInOrderAndKeepsSizesHeadersAndIds)
{
    ASSERT_TRUE(client.ListHeaders()) << client.lastFailure().text.toStdString();
    EXPECT_EQ(events.events(), listingEvents(3));
    EXPECT_EQ(client.lastFailure().kind, Pop3FailureKind::None);
    EXPECT_EQ(client.messageCount(), 3);
    ASSERT_EQ(client.headers().size(), 3);
    for (int i = 0; i < 3; ++i) {
        const HeaderEntry &entry = client.headers().at(i);
        EXPECT_EQ(entry.size, test::testMessage(i + 1).size());
        EXPECT_EQ(entry.lines, test::testHeaderLines(i + 1));
        EXPECT_EQ(entry.uid, "uid-" + QByteArray::number(i + 1));
    }
    EXPECT_FALSE(client.IsConnected());
    EXPECT_EQ(server.commands().last(), "QUIT");
    EXPECT_EQ(commandsStartingWith("TOP"), 3);
    EXPECT_EQ(commandsStartingWith("LIST"), 1) << "one multi-line LIST for all sizes";
}

TEST_F(ScriptedClientTest, AnEmptyMaildropListsNothing)
{
    server.setMessages({});
    ASSERT_TRUE(client.ListHeaders());
    EXPECT_EQ(events.events(), listingEvents(0));
    EXPECT_TRUE(client.headers().isEmpty());
    EXPECT_EQ(client.messageCount(), 0);
}

TEST_F(ScriptedClientTest, PipelinedAndOneAtATimeListingsRaiseTheSameEvents)
{
    server.setMessages(test::testMessages(40));
    ASSERT_TRUE(client.ListHeaders());
    const QStringList pipelined = events.events();
    const QList<HeaderEntry> pipelinedHeaders = client.headers();
    EXPECT_GT(server.mostCommandsAtOnce(), 1) << "PIPELINING offered: the TOP commands go out together";

    ScriptedPop3Server lockstep;
    ASSERT_TRUE(lockstep.listen());
    lockstep.setMessages(test::testMessages(40));
    lockstep.setCapabilities({"TOP", "UIDL", "USER"});
    client.setServer(lockstep.server());
    events.clear();
    ASSERT_TRUE(client.ListHeaders());
    EXPECT_EQ(lockstep.mostCommandsAtOnce(), 1) << "without PIPELINING one command at a time";

    EXPECT_EQ(events.events(), pipelined);
    EXPECT_EQ(events.events(), listingEvents(40));
    ASSERT_EQ(client.headers().size(), pipelinedHeaders.size());
    for (qsizetype i = 0; i < pipelinedHeaders.size(); ++i) {
        EXPECT_EQ(client.headers().at(i).lines, pipelinedHeaders.at(i).lines);
        EXPECT_EQ(client.headers().at(i).size, pipelinedHeaders.at(i).size);
    }
}

TEST_F(ScriptedClientTest, WithoutUidlNoIdsAreAskedFor)
{
    server.setCapabilities({"TOP", "USER", "PIPELINING"});
    ASSERT_TRUE(client.ListHeaders());
    EXPECT_EQ(commandsStartingWith("UIDL"), 0);
    for (const HeaderEntry &entry : client.headers())
        EXPECT_TRUE(entry.uid.isEmpty());
}

TEST_F(ScriptedClientTest, AServerWithoutCapaIsListedOneAtATime)
{
    server.refuseCapa();
    server.script("UIDL", Action::error("-ERR unknown command"));
    ASSERT_TRUE(client.ListHeaders()) << client.lastFailure().text.toStdString();
    EXPECT_EQ(events.events(), listingEvents(3));
    EXPECT_EQ(server.mostCommandsAtOnce(), 1);
    EXPECT_EQ(commandsStartingWith("UIDL"), 1) << "UIDL is tried when CAPA tells nothing";
    EXPECT_TRUE(client.headers().at(0).uid.isEmpty());
}

struct SettingsCase
{
    const char *server;
    const char *user;
    const char *password;
    const char *text;
};

void PrintTo(const SettingsCase &c, std::ostream *os)
{
    *os << c.text;
}

class MissingSettingsTest : public ScriptedClientTest, public ::testing::WithParamInterface<SettingsCase>
{
};

TEST_P(MissingSettingsTest, FailBeforeAnythingIsSent)
{
    const SettingsCase &c = GetParam();
    client.setServer(*c.server == '*' ? server.server() : QString::fromUtf8(c.server));
    client.setUserName(QString::fromUtf8(c.user));
    client.setPassword(QString::fromUtf8(c.password));
    EXPECT_FALSE(client.ListHeaders());
    expectFailure(Pop3FailureKind::Network, QString::fromUtf8(c.text));
    EXPECT_EQ(events.events(), QStringList{QStringLiteral("OnError ") + QString::fromUtf8(c.text)});
    EXPECT_EQ(server.connectionCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MissingSettingsTest,
    ::testing::Values(SettingsCase{"", "alice", "secret", "Server property is required"},
                      SettingsCase{"   ", "alice", "secret", "Server property is required"},
                      SettingsCase{"*", "", "secret", "UserName property is required"},
                      SettingsCase{"*", "alice", "", "Password property is required"},
                      SettingsCase{"*", "alice\r\nDELE 1", "secret", "The user name must not contain a line break"},
                      SettingsCase{"*", "alice", "secret\nDELE 1", "The password must not contain a line break"},
                      SettingsCase{"*", "alice", "se\rcret", "The password must not contain a line break"}));

struct ErrCase
{
    const char *command; // "" scripts the greeting
    const char *reply;
};

void PrintTo(const ErrCase &c, std::ostream *os)
{
    *os << (*c.command ? c.command : "greeting");
}

class ServerErrorTest : public ScriptedClientTest, public ::testing::WithParamInterface<ErrCase>
{
};

TEST_P(ServerErrorTest, FailsWithTheServersReplyAndNoErrorEvent)
{
    const ErrCase &c = GetParam();
    if (*c.command)
        server.script(c.command, Action::error(c.reply));
    else
        server.setGreeting(Action::error(c.reply));
    EXPECT_FALSE(client.ListHeaders());
    expectFailure(Pop3FailureKind::Server, QString::fromUtf8(c.reply));
    for (const QString &event : events.events())
        EXPECT_FALSE(event.startsWith(QLatin1String("OnError"))) << event.toStdString();
    EXPECT_THAT(events.events(), Not(Contains(QStringLiteral("OnInfoUpdated"))));
}

INSTANTIATE_TEST_SUITE_P(Steps, ServerErrorTest,
                         ::testing::Values(ErrCase{"", "-ERR [SYS/TEMP] try later"},
                                           ErrCase{"USER", "-ERR no such user"},
                                           ErrCase{"PASS", "-ERR [AUTH] Authentication failed."},
                                           ErrCase{"STAT", "-ERR maildrop locked"},
                                           ErrCase{"LIST", "-ERR LIST refused"},
                                           ErrCase{"TOP 2", "-ERR message 2 is gone"},
                                           ErrCase{"TOP 3", "-ERR"}));

TEST_F(ScriptedClientTest, AWrongPasswordFailsWithTheServersReply)
{
    client.setPassword(QStringLiteral("wrong"));
    EXPECT_FALSE(client.ListHeaders());
    expectFailure(Pop3FailureKind::Server, QStringLiteral("-ERR [AUTH] Authentication failed."));
    EXPECT_EQ(events.events(), QStringList{QStringLiteral("OnOpen")});
}

struct DropCase
{
    const char *command; // "" drops instead of greeting
    QByteArray before;   // sent before the connection is dropped
    const char *text;
};

void PrintTo(const DropCase &c, std::ostream *os)
{
    *os << (*c.command ? c.command : "greeting") << (c.before.isEmpty() ? "" : " mid-reply");
}

class DisconnectTest : public ScriptedClientTest, public ::testing::WithParamInterface<DropCase>
{
};

TEST_P(DisconnectTest, FailsAsANetworkFailure)
{
    const DropCase &c = GetParam();
    if (*c.command)
        server.script(c.command, Action::close(c.before));
    else
        server.setGreeting(Action::close(c.before));
    EXPECT_FALSE(client.ListHeaders());
    expectFailure(Pop3FailureKind::Network, QString::fromUtf8(c.text));
    EXPECT_EQ(events.events().last(), QStringLiteral("OnError ") + QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Steps, DisconnectTest,
    ::testing::Values(DropCase{"", {}, "The server closed the connection"},
                      DropCase{"CAPA", {}, "The server closed the connection"},
                      DropCase{"PASS", {}, "The server closed the connection"},
                      DropCase{"LIST", "+OK\r\n1 300\r\n", "The server closed the connection in the middle of a reply"},
                      DropCase{"TOP 2", {}, "The server closed the connection"},
                      DropCase{"TOP 2", "+OK\r\nSubject: cut short\r\n",
                               "The server closed the connection in the middle of a reply"},
                      DropCase{"QUIT", {}, "The server closed the connection"}));

struct StallCase
{
    const char *command;
    QByteArray before;
};

void PrintTo(const StallCase &c, std::ostream *os)
{
    *os << (*c.command ? c.command : "greeting") << (c.before.isEmpty() ? "" : " mid-reply");
}

class StallTest : public ScriptedClientTest, public ::testing::WithParamInterface<StallCase>
{
};

TEST_P(StallTest, TimesOut)
{
    const StallCase &c = GetParam();
    if (*c.command)
        server.script(c.command, Action::stall(c.before));
    else
        server.setGreeting(Action::stall(c.before));
    client.setTimeOut(1);
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(client.ListHeaders());
    expectFailure(Pop3FailureKind::Network, Pop3Texts::timedOut());
    EXPECT_EQ(events.events().last(), QStringLiteral("OnError Operation timed out"));
    EXPECT_LT(clock.elapsed(), 10000);
}

INSTANTIATE_TEST_SUITE_P(Steps, StallTest,
                         ::testing::Values(StallCase{"", {}}, StallCase{"TOP 2", {}},
                                           StallCase{"TOP 2", "+OK\r\nSubject: and then nothing\r\n"}));

TEST_F(ScriptedClientTest, CancelInTheMiddleOfAListing)
{
    events.onEvent(QStringLiteral("OnNextInfoUpdated 1"), [this] { client.Cancel(); });
    EXPECT_FALSE(client.ListHeaders());
    expectFailure(Pop3FailureKind::Canceled, QStringLiteral("Operation has been canceled"));
    EXPECT_THAT(events.events(),
                ElementsAre("OnOpen", "OnUpdatingInfo", "OnNextInfoUpdated 0", "OnNextInfoUpdated 1", "OnCancel",
                            "OnError Operation has been canceled"));
    EXPECT_THAT(server.commands(), Not(Contains(QByteArray("QUIT"))));
}

TEST_F(ScriptedClientTest, CancelWhileTheServerStallsEndsTheWaitAtOnce)
{
    server.script("TOP 2", Action::stall());
    QTimer::singleShot(200, &client, [this] { client.Cancel(); });
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(client.ListHeaders());
    EXPECT_LT(clock.elapsed(), 5000) << "the 2400 s time-out is not waited for";
    expectFailure(Pop3FailureKind::Canceled, QStringLiteral("Operation has been canceled"));
    EXPECT_THAT(events.events(), Contains(QStringLiteral("OnCancel")));
}

struct HostileCase
{
    const char *title;
    const char *command;
    Action action;
    const char *text;
};

void PrintTo(const HostileCase &c, std::ostream *os)
{
    *os << c.title;
}

class HostileReplyTest : public ScriptedClientTest, public ::testing::WithParamInterface<HostileCase>
{
};

TEST_P(HostileReplyTest, FailsWithAClearText)
{
    const HostileCase &c = GetParam();
    server.script(c.command, c.action);
    client.setTimeOut(5);
    EXPECT_FALSE(client.ListHeaders());
    expectFailure(Pop3FailureKind::Network, QString::fromUtf8(c.text));
    EXPECT_EQ(events.events().last(), QStringLiteral("OnError ") + QString::fromUtf8(c.text));
}

QByteArray hugeHeader()
{
    QByteArray reply = "+OK\r\n";
    const QByteArray line = "X-Spam: " + QByteArray(1000, 's') + "\r\n";
    while (reply.size() < 11 * 1024 * 1024)
        reply += line;
    return reply + "\r\nbody\r\n.\r\n";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HostileReplyTest,
    ::testing::Values(
        HostileCase{"line over 1 MiB", "TOP 2", Action::stall("+OK\r\nSubject: " + QByteArray(2 * 1024 * 1024, 'x')),
                    "The server sent a line longer than 1 MiB"},
        HostileCase{"header over 10 MiB", "TOP 1", Action::send(hugeHeader()),
                    "The server sent a reply larger than 10 MiB"},
        HostileCase{"binary garbage", "STAT", Action::send(QByteArray("\x89PNG\r\n\x1a\n\0\0", 10)),
                    "The server sent an invalid reply: ?PNG"},
        HostileCase{"text instead of a status", "TOP 2", Action::send("Subject: no status line\r\n.\r\n"),
                    "The server sent an invalid reply: Subject: no status line"},
        HostileCase{"invalid STAT", "STAT", Action::send("+OK lots\r\n"), "The server sent an invalid STAT reply"},
        HostileCase{"LIST of the wrong length", "LIST", Action::send("+OK\r\n1 100\r\n.\r\n"),
                    "The server sent an invalid message list"},
        HostileCase{"UIDL with a duplicate id", "UIDL", Action::send("+OK\r\n1 a\r\n2 a\r\n3 b\r\n.\r\n"),
                    "The server sent an invalid list of unique ids"}));

TEST_F(ScriptedClientTest, KeepConnectedListsTwiceWithOneLogin)
{
    client.setKeepConnected(true);
    ASSERT_TRUE(client.ListHeaders());
    EXPECT_EQ(events.events(), listingEvents(3, true));
    EXPECT_TRUE(client.IsConnected());
    events.clear();
    ASSERT_TRUE(client.ListHeaders());
    EXPECT_EQ(events.events(), listingEvents(3, true).mid(1)) << "no OnOpen: the connection is reused";
    EXPECT_EQ(server.connectionCount(), 1);
    EXPECT_EQ(commandsStartingWith("PASS"), 1);
    EXPECT_EQ(commandsStartingWith("TOP"), 6);

    events.clear();
    client.Disconnect();
    EXPECT_EQ(events.events(), (QStringList{"OnClosing", "OnClosed"}));
    EXPECT_FALSE(client.IsConnected());
}

TEST_F(ScriptedClientTest, AKeptConnectionTheServerEndedIsOpenedAgain)
{
    client.setKeepConnected(true);
    ASSERT_TRUE(client.ListHeaders());
    // The server ends the idle session on its own, as dovecot does after a while.
    server.dropConnections("-ERR Disconnected for inactivity.\r\n");
    QDeadlineTimer deadline(5000);
    while (client.IsConnected() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_FALSE(client.IsConnected());
    events.clear();
    ASSERT_TRUE(client.ListHeaders()) << client.lastFailure().text.toStdString();
    EXPECT_EQ(events.events(), listingEvents(3, true));
    EXPECT_EQ(server.connectionCount(), 2);
}

// A connector whose line is down, as a dial-up line is before it is dialled.
class DownLine : public DialUpConnector
{
public:
    explicit DownLine(bool dials) : m_dials(dials) {}
    bool isLineUp() const override { return m_up; }
    bool dial(QString *error) override
    {
        ++dialled;
        if (!m_dials)
            return DialUpConnector::dial(error);
        m_up = true;
        return true;
    }
    void hangUp() override
    {
        ++hungUp;
        m_up = false;
    }
    int dialled = 0;
    int hungUp = 0;

private:
    bool m_dials;
    bool m_up = false;
};

TEST_F(ScriptedClientTest, TheDialUpStandInHasNoEntriesAndCannotDial)
{
    DialUpConnector connector;
    EXPECT_TRUE(connector.entries().isEmpty());
    EXPECT_TRUE(connector.isLineUp());
    QString error;
    connector.setEntry(QStringLiteral("Office"));
    EXPECT_FALSE(connector.dial(&error));
    EXPECT_EQ(error, QStringLiteral("Dial-up entry not found: Office"));
    // With the line up, a linked stand-in changes nothing.
    client.setDialUp(&connector);
    EXPECT_TRUE(client.ListHeaders());
}

TEST_F(ScriptedClientTest, ALineThatCannotBeDialledFailsBeforeConnecting)
{
    DownLine line(false);
    client.setDialUp(&line);
    EXPECT_FALSE(client.ListHeaders());
    expectFailure(Pop3FailureKind::Network, QStringLiteral("No dial-up entry is selected"));
    EXPECT_EQ(server.connectionCount(), 0);
    EXPECT_EQ(line.dialled, 1);
}

TEST_F(ScriptedClientTest, ALineDialledForAListingIsHungUpWhenItCloses)
{
    DownLine line(true);
    client.setDialUp(&line);
    ASSERT_TRUE(client.ListHeaders());
    EXPECT_EQ(line.dialled, 1);
    EXPECT_EQ(line.hungUp, 1);
}

class ExecuteFlaggedTest : public ScriptedClientTest
{
protected:
    void list()
    {
        ASSERT_TRUE(client.ListHeaders()) << client.lastFailure().text.toStdString();
        events.clear();
    }
};

TEST_F(ExecuteFlaggedTest, DownloadsAndDeletesTheFlaggedEntriesInIndexOrder)
{
    list();
    client.FlagForRetrieval(0);
    client.FlagForDeletion(1);
    client.FlagForDeletion(2);
    ASSERT_TRUE(client.ExecuteFlagged()) << client.lastFailure().text.toStdString();
    EXPECT_THAT(events.events(),
                ElementsAre("OnOpen", "OnTransferringData", "OnRetrieving 0", "OnUserMessageSave 0", "OnRetrieved 0",
                            "OnDeleting 1", "OnDeleting 2", "OnDataTransfered", "OnClosing", "OnClosed"));
    ASSERT_EQ(events.saved().size(), 1);
    EXPECT_EQ(events.saved().first().second, test::testMessage(1)) << "dot-unstuffed, CR LF line ends";
    EXPECT_EQ(server.committedDeletions(), (QList<int>{2, 3}));
    for (const HeaderEntry &entry : client.headers())
        EXPECT_FALSE(entry.flaggedForDeletion || entry.flaggedForRetrieval) << "flags are spent";
}

TEST_F(ExecuteFlaggedTest, PipelinedDeletionsRaiseOneEventEach)
{
    server.setMessages(test::testMessages(30));
    list();
    for (int i = 0; i < 30; i += 3)
        client.FlagForDeletion(i);
    ASSERT_TRUE(client.ExecuteFlagged());
    QStringList deleting;
    QList<int> expected;
    for (int i = 0; i < 30; i += 3) {
        deleting << QStringLiteral("OnDeleting %1").arg(i);
        expected << i + 1;
    }
    EXPECT_EQ(events.events().mid(2, deleting.size()), deleting);
    EXPECT_EQ(server.committedDeletions(), expected);
}

TEST_F(ExecuteFlaggedTest, NothingHappensOnAnEmptyHeaderList)
{
    ASSERT_TRUE(client.ExecuteFlagged());
    EXPECT_TRUE(events.events().isEmpty());
    EXPECT_EQ(server.connectionCount(), 0);
}

TEST_F(ExecuteFlaggedTest, ARefusedDeletionCommitsNothing)
{
    list();
    client.FlagForDeletion(0);
    client.FlagForDeletion(2);
    server.script("DELE 3", Action::error("-ERR cannot delete"));
    const qsizetype listingCommands = server.commands().size();
    EXPECT_FALSE(client.ExecuteFlagged());
    expectFailure(Pop3FailureKind::Server, QStringLiteral("-ERR cannot delete"));
    EXPECT_TRUE(server.committedDeletions().isEmpty());
    EXPECT_THAT(server.commands().mid(listingCommands), Not(Contains(QByteArray("QUIT"))));
}

TEST_F(ExecuteFlaggedTest, ARefusedQuitFailsTheRun)
{
    list();
    client.FlagForDeletion(0);
    server.script("QUIT", Action::error("-ERR some deleted messages not removed"));
    EXPECT_FALSE(client.ExecuteFlagged());
    expectFailure(Pop3FailureKind::Server, QStringLiteral("-ERR some deleted messages not removed"));
}

TEST_F(ExecuteFlaggedTest, CancelDuringDeletionCommitsNothing)
{
    list();
    client.FlagForDeletion(0);
    client.FlagForDeletion(1);
    events.onEvent(QStringLiteral("OnDeleting 1"), [this] { client.Cancel(); });
    EXPECT_FALSE(client.ExecuteFlagged());
    expectFailure(Pop3FailureKind::Canceled, QStringLiteral("Operation has been canceled"));
    EXPECT_TRUE(server.committedDeletions().isEmpty());
    EXPECT_THAT(events.events(), Contains(QStringLiteral("OnCancel")));
}

TEST_F(ExecuteFlaggedTest, AKeptSessionUsesTheListedNumbers)
{
    client.setKeepConnected(true);
    list();
    client.FlagForDeletion(1);
    ASSERT_TRUE(client.ExecuteFlagged());
    EXPECT_EQ(events.events().first(), QStringLiteral("OnTransferringData")) << "no new login";
    EXPECT_EQ(commandsStartingWith("UIDL"), 1) << "no second UIDL within the listing's session";
    EXPECT_EQ(server.committedDeletions(), QList<int>{2});
    EXPECT_FALSE(client.IsConnected());
}

TEST_F(ExecuteFlaggedTest, InANewSessionTheMessageIsFoundByItsUniqueId)
{
    server.setUniqueIds({"id-a", "id-b", "id-c"});
    list();
    client.FlagForDeletion(2); // "id-c", listed as message 3
    // Meanwhile another program took message 1 away: "id-c" is message 2 now.
    server.setMessages({test::testMessage(2), test::testMessage(3)});
    server.setUniqueIds({"id-b", "id-c"});
    ASSERT_TRUE(client.ExecuteFlagged()) << client.lastFailure().text.toStdString();
    EXPECT_THAT(server.commands(), Contains(QByteArray("DELE 2")));
    EXPECT_THAT(server.commands(), Not(Contains(QByteArray("DELE 3"))));
    EXPECT_EQ(server.committedDeletions(), QList<int>{2});
}

TEST_F(ExecuteFlaggedTest, AFlaggedMessageThatIsGoneStopsTheRunBeforeAnyDeletion)
{
    server.setUniqueIds({"id-a", "id-b", "id-c"});
    list();
    client.FlagForDeletion(0);
    client.FlagForDeletion(1);
    server.setMessages({test::testMessage(1), test::testMessage(3)});
    server.setUniqueIds({"id-a", "id-c"});
    EXPECT_FALSE(client.ExecuteFlagged());
    expectFailure(Pop3FailureKind::Network,
                  QStringLiteral("Message 2 is no longer on the server as it was listed; list the mailbox again"));
    EXPECT_EQ(commandsStartingWith("DELE"), 0);
    EXPECT_TRUE(server.committedDeletions().isEmpty());
}

TEST_F(ExecuteFlaggedTest, WithoutUniqueIdsAChangedMessageIsRefused)
{
    server.setCapabilities({"TOP", "USER"});
    list();
    client.FlagForDeletion(1);
    // Message 2 is now another message of the very same size.
    QByteArray other = test::testMessage(2);
    other.replace("Message 2", "Message X");
    server.setMessages({test::testMessage(1), other, test::testMessage(3)});
    EXPECT_FALSE(client.ExecuteFlagged());
    expectFailure(Pop3FailureKind::Network,
                  QStringLiteral("Message 2 is no longer on the server as it was listed; list the mailbox again"));
    EXPECT_EQ(commandsStartingWith("DELE"), 0);
}

TEST_F(ExecuteFlaggedTest, WithoutUniqueIdsAnUnchangedMessageIsDeleted)
{
    server.setCapabilities({"TOP", "USER"});
    list();
    client.FlagForDeletion(1);
    ASSERT_TRUE(client.ExecuteFlagged()) << client.lastFailure().text.toStdString();
    EXPECT_THAT(server.commands(), Contains(QByteArray("TOP 2 0")));
    EXPECT_EQ(server.committedDeletions(), QList<int>{2});
}

} // namespace
} // namespace tarnwell
