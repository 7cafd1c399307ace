#include "MailboxSetup.h"

#include "support/CliRunner.h"
#include "support/PrintTo.h"
#include "support/RecordingPrompter.h"
#include "support/TempHome.h"
#include "support/pop3/DovecotServer.h"
#include "support/pop3/TestMessages.h"

#include "classify/rules/RuleColumns.h"
#include "classify/rules/SpamSettingsFiles.h"
#include "mail/headers/MailDate.h"
#include "platform/RegionalFormats.h"
#include "platform/SettingsStore.h"

#include <gmock/gmock.h>

namespace tarnwell::test {

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class CheckCommandTest : public HomeTest
{
protected:
    DovecotServer &dovecot() { return runningDovecot(); }

    Pop3Account mailbox(int slot, const QList<QByteArray> &messages, const QString &password = QStringLiteral("pw"))
    {
        return storeDovecotMailbox(*home.settings(), slot, messages, QStringLiteral("cli"), password);
    }
};

TEST_F(CheckCommandTest, PrintsOneLinePerMessageThenTheTotals)
{
    QByteArray awkward = testMessage(2);
    awkward.replace("Subject: Message 2", "Subject: tab\there");
    mailbox(1, {testMessage(1), awkward});

    const CliResult result = runCli(home.path(), {"check"});

    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    // The program's own locale, as the child process sees it.
    const QByteArray date = dateColumn("Tue, 5 Mar 2024 14:03:09 +0100", RegionalFormats());
    const QByteArray size1 = QByteArray::number(DovecotServer::wireSize(testMessage(1)));
    const QByteArray size2 = QByteArray::number(DovecotServer::wireSize(awkward));
    EXPECT_THAT(result.out.split('\n'),
                ElementsAre("0\t-1\t" + size1 + "\tMessage 1\tsender1@example.net\tSender 1\t" + date,
                            "1\t-1\t" + size2 + "\ttab here\tsender2@example.net\tSender 2\t" + date,
                            "Message Total: 2 Number Marked: 0", ""));
    EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
}

TEST_F(CheckCommandTest, TheClassifierMarksTheRowsAndTheHitCountsAreSaved)
{
    mailbox(1, testMessages(3));
    RuleTables tables;
    SpamOptions options;
    tables.gridSubject.setCell(1, SubjectColumn::What, "Contains");
    tables.gridSubject.setCell(1, SubjectColumn::Matches, "Message 2");
    tables.gridSubject.setCell(1, SubjectColumn::Case, "No");
    tables.gridSubject.setCell(1, SubjectColumn::Delete, "Yes");
    tables.gridSubject.setCell(1, SubjectColumn::Hits, "0");
    ASSERT_TRUE(Savesettings(tables, options, home.folder()));

    const CliResult result = runCli(home.path(), {"check"});

    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QList<QByteArray> lines = result.out.split('\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines.at(0).startsWith("0\t-1\t")) << lines.at(0).toStdString();
    EXPECT_TRUE(lines.at(1).startsWith("1\t0\t")) << lines.at(1).toStdString();
    EXPECT_TRUE(lines.at(2).startsWith("2\t-1\t")) << lines.at(2).toStdString();
    EXPECT_EQ(lines.at(3), "Message Total: 3 Number Marked: 1");

    RuleTables saved;
    RecordingPrompter prompter;
    ASSERT_TRUE(readSettings(saved, options, home.folder(), prompter));
    EXPECT_NE(saved.gridSubject.cell(1, SubjectColumn::Hits), "0") << "the check counted its hit";
}

TEST_F(CheckCommandTest, ChecksTheMailboxAskedForOrElseThePreferredOne)
{
    mailbox(1, testMessages(1));
    mailbox(3, testMessages(3));

    const CliResult third = runCli(home.path(), {"check", "--mailbox", "3"});
    ASSERT_EQ(third.exitCode, 0) << third.err.toStdString();
    EXPECT_THAT(third.out.toStdString(), HasSubstr("Message Total: 3 Number Marked: 0"));

    home.settings()->setInteger(QStringLiteral("Server"), QStringLiteral("Which"), 3);
    const CliResult preferred = runCli(home.path(), {"check"});
    ASSERT_EQ(preferred.exitCode, 0) << preferred.err.toStdString();
    EXPECT_THAT(preferred.out.toStdString(), HasSubstr("Message Total: 3 Number Marked: 0"));

    home.settings()->setInteger(QStringLiteral("Server"), QStringLiteral("Which"), 1);
    const CliResult first = runCli(home.path(), {"check"});
    EXPECT_THAT(first.out.toStdString(), HasSubstr("Message Total: 1 Number Marked: 0"));
}

TEST_F(CheckCommandTest, AFailurePrintsTheWindowsMessageAndExitsOne)
{
    const Pop3Account account = mailbox(1, testMessages(1), QStringLiteral("wrong"));

    const CliResult result = runCli(home.path(), {"check"});

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.out.isEmpty()) << result.out.toStdString();
    EXPECT_THAT(result.err.toStdString(), HasSubstr("Authentication failed"));
    EXPECT_THAT(result.err.toStdString(),
                HasSubstr(("\"  Unable to connect to your mailbox - \"" + account.userName + "\".").toStdString()));
}

TEST_F(CheckCommandTest, RefusesWithoutAnEnabledMailbox)
{
    const CliResult result = runCli(home.path(), {"check"});

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "At least ONE mailbox needs to be checked.\n");
}

TEST_F(CheckCommandTest, RejectsBadArguments)
{
    for (const QStringList &arguments : {QStringList{"check", "--mailbox"}, QStringList{"check", "--mailbox", "13"},
                                         QStringList{"check", "--mailbox", "x"}, QStringList{"check", "extra"}}) {
        const CliResult result = runCli(home.path(), arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_THAT(result.err.toStdString(), HasSubstr("check [--mailbox N]"));
    }
}

} // namespace

} // namespace tarnwell::test
