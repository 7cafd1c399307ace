#include "support/CliRunner.h"
#include "support/PrintTo.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace tarnwell;
using test::runCli;

class ConfigCommandTest : public test::HomeTest
{
};

TEST_F(ConfigCommandTest, SetThenGetWithSectionsAndTopLevelValues)
{
    EXPECT_EQ(runCli(home.path(), {"config", "set", "General/Logfile", "/var/log/t.txt"}).exitCode, 0);
    EXPECT_EQ(runCli(home.path(), {"config", "set", "FormTop", "77"}).exitCode, 0);

    const auto logfile = runCli(home.path(), {"config", "get", "general/LOGFILE"});
    EXPECT_EQ(logfile.exitCode, 0);
    EXPECT_EQ(logfile.out, "/var/log/t.txt\n");
    EXPECT_EQ(runCli(home.path(), {"config", "get", "FormTop"}).out, "77\n");
    // The same store as the engine reads.
    EXPECT_EQ(home.settings()->integer("", "FormTop", 10), 77);
}

TEST_F(ConfigCommandTest, MissingValuePrintsNothingAndExitsOne)
{
    const auto missing = runCli(home.path(), {"config", "get", "General/Nothing"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.out.isEmpty());
}

TEST_F(ConfigCommandTest, UsageErrorsExitTwoWithUsageOnStandardError)
{
    const QStringList bad[] = {{}, {"config"}, {"config", "get"}, {"config", "frob", "x"}, {"no-such-command"},
                               {"config", "set", "General/", "x"}};
    for (const QStringList &args : bad) {
        const auto result = runCli(home.path(), args);
        EXPECT_EQ(result.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(result.err.contains("usage:")) << args.join(' ').toStdString();
        EXPECT_TRUE(result.out.isEmpty());
    }
}
