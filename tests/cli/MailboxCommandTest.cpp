#include "accounts/MailboxList.h"
#include "accounts/MailboxStore.h"

#include "support/CliRunner.h"
#include "support/PrintTo.h"
#include "support/RecordingPrompter.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace tarnwell;
using test::runCli;

class MailboxCommandTest : public test::HomeTest
{
};

TEST_F(MailboxCommandTest, SetStoresThroughTheSavePathAndListShowsIt)
{
    const auto set = runCli(home.path(), {"mailbox", "set", "10", "--server", "pop.example.net:995", "--user", "bob",
                                          "--check", "0"},
                            "s3cret\nignored second line\n");
    ASSERT_EQ(set.exitCode, 0) << set.err.toStdString();

    const auto list = runCli(home.path(), {"mailbox", "list"});
    ASSERT_EQ(list.exitCode, 0);
    const QList<QByteArray> lines = list.out.split('\n');
    ASSERT_EQ(lines.size(), 13); // twelve lines and the final newline
    EXPECT_EQ(lines.at(0), "1\t1\t\t\tno");
    EXPECT_EQ(lines.at(9), "10\t0\tpop.example.net:995\tbob\tyes");

    // The password never reaches the store in plain text, and the engine loads it.
    EXPECT_FALSE(home.read("tarnwell-settings.conf").contains("s3cret"));
    auto settings = home.settings();
    test::RecordingPrompter prompter;
    MailboxStore store(*settings, prompter);
    const auto loaded = store.GetRemotePOPSettings(10);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->password, "s3cret");
    EXPECT_EQ(loaded->server, "pop.example.net:995");
    EXPECT_TRUE(prompter.shown().isEmpty());
}

TEST_F(MailboxCommandTest, FailedCheckPrintsTheMessageAndExitsOne)
{
    const auto noPassword = runCli(home.path(), {"mailbox", "set", "4", "--server", "pop.d", "--user", "dora"}, "\n");
    EXPECT_EQ(noPassword.exitCode, 1);
    EXPECT_EQ(noPassword.err, "Mailbox 4 - there is no password set\n");

    const auto noServer = runCli(home.path(), {"mailbox", "set", "2", "--server", "", "--user", "dora"}, "pw\n");
    EXPECT_EQ(noServer.exitCode, 1);
    EXPECT_EQ(noServer.err, "Mailbox 2 dora has a blank server\n");
}

TEST_F(MailboxCommandTest, UsageErrors)
{
    const QStringList bad[] = {{"mailbox"},
                               {"mailbox", "set", "13", "--server", "a", "--user", "b"},
                               {"mailbox", "set", "x", "--server", "a", "--user", "b"},
                               {"mailbox", "set", "1", "--server", "a"},
                               {"mailbox", "set", "1", "--server", "a", "--user", "b", "--check", "yes"},
                               {"mailbox", "set", "1", "--server", "a", "--user", "b", "--password", "p"},
                               {"mailbox", "list", "extra"}};
    for (const QStringList &args : bad)
        EXPECT_EQ(runCli(home.path(), args, "pw\n").exitCode, 2) << args.join(' ').toStdString();
}
