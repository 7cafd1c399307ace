#include "accounts/MailboxList.h"
#include "accounts/MailboxStore.h"
#include "mail/headers/MailDate.h"
#include "platform/RegionalFormats.h"

#include "support/CliRunner.h"
#include "support/PrintTo.h"
#include "support/RecordingPrompter.h"
#include "support/TempHome.h"
#include "support/pop3/DovecotServer.h"
#include "support/pop3/TestMessages.h"

#include <gtest/gtest.h>

using namespace tarnwell;
using test::runCli;

class HeadersCommandTest : public test::HomeTest
{
protected:
    void SetUp() override { ASSERT_TRUE(dovecot.isRunning()) << dovecot.errorText().toStdString(); }

    // Stores one mailbox slot as the Mailboxes page would, and makes it preferred.
    void storeMailbox(int slot, const test::Pop3Account &account, const QString &password, bool preferred)
    {
        auto settings = home.settings();
        test::RecordingPrompter prompter;
        MailboxStore store(*settings, prompter);
        MailboxList list;
        store.readServerSettings(list);
        MailboxAccount &a = list.account(slot);
        a.server = dovecot.plainServer();
        a.mailbox = account.userName;
        a.password = password;
        a.check = true;
        if (preferred) {
            list.setWhich(slot);
            list.selectSlot(slot);
        }
        ASSERT_FALSE(store.saveServerSettings(list).has_value()) << prompter.texts().join(u'|').toStdString();
        store.markCurrentFormat();
    }

    test::DovecotServer &dovecot = test::DovecotServer::shared();
};

TEST_F(HeadersCommandTest, PrintsOneLinePerWaitingMessageOfThePreferredMailbox)
{
    const auto account = dovecot.addUser(dovecot.freshUserName(), QStringLiteral("pw1"), test::testMessages(3));
    const auto other = dovecot.addUser(dovecot.freshUserName(), QStringLiteral("pw2"), test::testMessages(1));
    storeMailbox(1, other, QStringLiteral("pw2"), false);
    storeMailbox(4, account, QStringLiteral("pw1"), true);

    const auto result = runCli(home.path(), {"headers"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QByteArray date = dateColumn("Tue, 5 Mar 2024 14:03:09 +0100", RegionalFormats());
    QByteArray expected;
    for (int n = 1; n <= 3; ++n) {
        const QByteArray number = QByteArray::number(n);
        expected += QByteArray::number(n - 1) + '\t' + QByteArray::number(test::DovecotServer::wireSize(test::testMessage(n)))
                    + "\tMessage " + number + "\tsender" + number + "@example.net\tSender " + number + '\t' + date + '\n';
    }
    EXPECT_EQ(result.out, expected);

    const auto first = runCli(home.path(), {"headers", "--mailbox", "1"});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_TRUE(first.out.startsWith("0\t")) << first.out.toStdString();
    EXPECT_EQ(first.out.count('\n'), 1);
}

TEST_F(HeadersCommandTest, LineBreaksAndTabsInsideValuesBecomeSpaces)
{
    // "a<TAB>b<CR><LF>c" as an encoded word, and a folded sender name.
    const QByteArray message = "From: \"Two\tParts\" <x@example.net>\r\nSubject: =?utf-8?B?YQliDQpj?=\r\n"
                               "Date: not a date\r\n\r\nbody\r\n";
    const auto account = dovecot.addUser(dovecot.freshUserName(), QStringLiteral("pw"), {message});
    storeMailbox(2, account, QStringLiteral("pw"), true);
    const auto result = runCli(home.path(), {"headers", "--mailbox", "2"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, "0\t" + QByteArray::number(test::DovecotServer::wireSize(message))
                              + "\ta b  c\tx@example.net\tTwo Parts\tnot a date\n");
}

TEST_F(HeadersCommandTest, AFailurePrintsTheClientsTextAndExitsOne)
{
    const auto account = dovecot.addUser(dovecot.freshUserName(), QStringLiteral("right"), test::testMessages(1));
    storeMailbox(3, account, QStringLiteral("wrong"), true);
    const auto result = runCli(home.path(), {"headers"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "-ERR [AUTH] Authentication failed.\n");
    EXPECT_TRUE(result.out.isEmpty());

    const auto empty = runCli(home.path(), {"headers", "--mailbox", "7"});
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_EQ(empty.err, "Server property is required\n");
}

TEST_F(HeadersCommandTest, UsageErrors)
{
    for (const QStringList &arguments : {QStringList{"headers", "--mailbox", "13"}, QStringList{"headers", "--mailbox", "x"},
                                         QStringList{"headers", "--mailbox"}, QStringList{"headers", "extra"}}) {
        const auto result = runCli(home.path(), arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(result.err.contains("headers [--mailbox N]")) << result.err.toStdString();
    }
}
