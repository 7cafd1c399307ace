#include "MailboxSetup.h"

#include "support/CliRunner.h"
#include "support/PrintTo.h"
#include "support/TempHome.h"
#include "support/pop3/DovecotServer.h"

#include <gmock/gmock.h>

namespace tarnwell::test {

namespace {

using ::testing::HasSubstr;

QByteArray message(const QByteArray &from, const QByteArray &to, const QByteArray &subject)
{
    return "From: " + from + "\r\nTo: " + to + "\r\nSubject: " + subject +
           "\r\nDate: Tue, 5 Mar 2024 14:03:09 +0100\r\nX-Mailer: Floodgate 4\r\n\r\nBody\r\n";
}

// Grid files as the documented layout has them: sizes, widths, then every
// non-empty cell as "column,row,text", CR LF line ends.
const QByteArray kSubjectRules = "6,3\r\n"
                                 "cw 0,20\r\ncw 1,80\r\ncw 2,120\r\ncw 3,40\r\ncw 4,40\r\ncw 5,40\r\n"
                                 "1,0,What\r\n2,0,Matches\r\n3,0,Case\r\n4,0,Del?\r\n5,0,Hits\r\n"
                                 "1,1,Contains\r\n2,1,free\r\n3,1,Yes\r\n4,1,Yes\r\n5,1,4\r\n"
                                 "1,2,Contains\r\n2,2,offer, today\r\n3,2,No\r\n4,2,No\r\n5,2,0\r\n";
const QByteArray kWhiteList = "7,2\r\n"
                              "cw 0,80\r\ncw 1,80\r\ncw 2,120\r\ncw 3,40\r\ncw 4,40\r\ncw 5,20\r\ncw 6,0\r\n"
                              "0,0,What\r\n1,0,Condition\r\n2,0,Matches\r\n3,0,Case?\r\n4,0,Hits\r\n"
                              "0,1,Domain name\r\n1,1,Equals\r\n2,1,example.org\r\n3,1,No\r\n4,1,2\r\n6,1,9\r\n";
const QByteArray kHeaderRules = "6,2\r\n"
                                "1,0,What\r\n2,0,Matches\r\n3,0,Case\r\n4,0,Del?\r\n5,0,Hits\r\n"
                                "1,1,To does not contain\r\n2,1,me@example.net - MailBox #1\r\n3,1,No\r\n"
                                "4,1,No\r\n5,1,11\r\n";

class ExplainCommandTest : public HomeTest
{
protected:
    void SetUp() override
    {
        DovecotServer &dovecot = DovecotServer::shared();
        ASSERT_TRUE(dovecot.isRunning()) << dovecot.errorText().toStdString();
        const Pop3Account account = dovecot.addUser(
            dovecot.freshUserName(QStringLiteral("explain")), QStringLiteral("pw"),
            {message("Deals <deals@promo.example>", "me@example.net", "free offer, today"),
             message("Friend <friend@example.org>", "me@example.net", "free lunch"),
             message("Someone <someone@example.com>", "Me <me@example.net>", "Minutes"),
             message("Someone <someone@example.com>", "list@example.com", "Minutes")});
        storeMailbox(*home.settings(), 1, dovecot.plainServer(), account.userName, QStringLiteral("pw"));
        home.write("subj.lst", kSubjectRules);
        home.write("except.lst", kWhiteList);
        home.write("header.lst", kHeaderRules);
        home.write("known.lst", "promo.example\r\n");
    }

    QList<QByteArray> explain(const QString &index)
    {
        const CliResult result = runCli(home.path(), {"explain", "--mailbox", "1", index});
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
        EXPECT_TRUE(result.out.endsWith('\n'));
        QList<QByteArray> lines = result.out.split('\n');
        lines.removeLast();
        return lines;
    }
};

} // namespace

TEST_F(ExplainCommandTest, PrintsTheReasonsOfOneMessage)
{
    EXPECT_EQ(explain("0"), (QList<QByteArray>{
                                "Message from deals@promo.example",
                                "Subject of   free offer, today",
                                "",
                                "Delete   :  Subject Contains \"free\"  (Case Sensitive)",
                                "Question :  Subject Contains \"offer, today\" ",
                                "Delete   :  Domain \"promo.example\" is on the KNOWN SPAMMER BLACKLIST (you may edit "
                                "if this is in error)",
                            }));
    EXPECT_EQ(explain("1"), (QList<QByteArray>{"Message from friend@example.org", "Subject of   free lunch", "",
                                               "White List :  Domain name Equals \"example.org\" "}));
    EXPECT_EQ(explain("2"), (QList<QByteArray>{"Message from someone@example.com", "Subject of   Minutes", "",
                                               "Message was neither on the White List nor on the list of matching "
                                               "criteria"}));
    // The recipient rule of slot 1 applies: the mailbox being checked is slot 1.
    EXPECT_EQ(explain("3"), (QList<QByteArray>{"Message from someone@example.com", "Subject of   Minutes", "",
                                               "Question :  Header \"list@example.com\" To does not contain "
                                               "\"me@example.net\" "}));
}

TEST_F(ExplainCommandTest, LeavesTheRuleFilesAsTheyWere)
{
    explain("0");
    explain("3");
    EXPECT_EQ(home.read("subj.lst"), kSubjectRules);
    EXPECT_EQ(home.read("except.lst"), kWhiteList);
    EXPECT_EQ(home.read("header.lst"), kHeaderRules);
    EXPECT_FALSE(QFile::exists(home.file(QStringLiteral("from.lst"))));
    EXPECT_FALSE(QFile::exists(home.file(QStringLiteral("tarnwell.ini"))));
}

TEST_F(ExplainCommandTest, AnIndexPastTheListFails)
{
    const CliResult result = runCli(home.path(), {"explain", "4"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.out.isEmpty()) << result.out.toStdString();
    EXPECT_EQ(result.err, "There is no message 4: the mailbox holds 4 message(s), from 0.\n");
}

TEST_F(ExplainCommandTest, RejectsBadArguments)
{
    for (const QStringList &arguments :
         {QStringList{"explain"}, QStringList{"explain", "x"}, QStringList{"explain", "-1"},
          QStringList{"explain", "--mailbox", "13", "0"}, QStringList{"explain", "--mailbox", "1"},
          QStringList{"explain", "0", "1"}}) {
        const CliResult result = runCli(home.path(), arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_THAT(result.err.toStdString(), HasSubstr("explain [--mailbox N] INDEX"));
    }
}

TEST_F(ExplainCommandTest, AFailedListingPrintsTheMessage)
{
    storeMailbox(*home.settings(), 2, QStringLiteral("localhost:1"), QStringLiteral("nobody"), QStringLiteral("pw"));
    const CliResult result = runCli(home.path(), {"explain", "--mailbox", "2", "0"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.out.isEmpty());
    EXPECT_FALSE(result.err.isEmpty());
}

} // namespace tarnwell::test
