#include "classify/rules/RuleTableEdits.h"
#include "classify/rules/SpamSettingsFiles.h"

#include "support/CliRunner.h"
#include "support/PrintTo.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace tarnwell;
using test::runCli;

namespace {

class RulesCommandTest : public test::HomeTest
{
};

} // namespace

TEST_F(RulesCommandTest, ShowPrintsRuleRowsTabSeparated)
{
    RuleTables tables;
    appendRule(tables.gridSubject, {"", "Contains", "free, now", "No", "Yes", "3"});
    appendRule(tables.gridSubject, {"", "Is blank", "", "", "No", "0"});
    appendRule(tables.gridFrom, {"", "Domain name", "Equals", "tab\there", "Yes", "0"});
    appendRule(tables.gridExcept, {"E-mail address", "Equals", "friend@example.com", "No", "2", "", "7"});
    appendRule(tables.gridHeader, {"", "Contains", "two\r\nlines and \\", "No", "Yes", "0"});
    ASSERT_TRUE(Savesettings(tables, SpamOptions(), home.folder()));

    struct Case
    {
        const char *table;
        QByteArray out;
    };
    const Case cases[] = {
        {"subject", "\tContains\tfree, now\tNo\tYes\t3\n\tIs blank\t\t\tNo\t0\n"},
        {"sender", "\tDomain name\tEquals\ttab\\there\tYes\t0\n"},
        {"except", "E-mail address\tEquals\tfriend@example.com\tNo\t2\t\t7\n"},
        {"header", "\tContains\ttwo\\r\\nlines and \\\\\tNo\tYes\t0\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.table);
        const auto result = runCli(home.path(), {"rules", "show", c.table});
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.out, c.out);
        EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
    }
}

TEST_F(RulesCommandTest, CheckPrintsCountsAndEffectiveOptions)
{
    RuleTables tables;
    appendRule(tables.gridSubject, {"", "Contains", "a", "No", "Yes", "0"});
    appendRule(tables.gridSubject, {"", "Contains", "b", "No", "Yes", "0"});
    ASSERT_TRUE(Savesettings(tables, SpamOptions(), home.folder()));
    home.write("tarnwell.ini", "[ascii]\r\nquestion=0\r\n[Known]\r\nQuestion=5\r\nNum=12\r\n");
    home.write("known.lst", "a.example\r\nb.example\r\n");

    const auto result = runCli(home.path(), {"rules", "check"});
    EXPECT_EQ(result.exitCode, 0);
    const QList<QByteArray> lines = result.out.split('\n');
    EXPECT_EQ(lines.mid(0, 5), (QList<QByteArray>{"Tables/subject=2", "Tables/header=1", "Tables/sender=1",
                                                   "Tables/except=1", "Tables/known=2"}));
    for (const QByteArray line : {"Known/Question=1", "Known/Num=12", "Ascii/Question=0", "Smaller/Num=100",
                                  "Spell/EndsNumberCheck=1", "WhiteList/QOnly=0"})
        EXPECT_TRUE(lines.contains(line)) << line.toStdString();
    EXPECT_EQ(lines.size(), 5 + 24 + 1); // 24 options and the final line end
    EXPECT_FALSE(result.out.contains("SpellQuestion"));
}

TEST_F(RulesCommandTest, ACorruptFileIsReportedAndFails)
{
    home.write("from.lst", "garbage\r\n");
    for (const QStringList &args : {QStringList{"rules", "check"}, QStringList{"rules", "show", "subject"}}) {
        const auto result = runCli(home.path(), args);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_EQ(result.err, "File contains no data or corrupt file " + home.folder().file("from.lst").toUtf8() + "\n");
    }
}

TEST_F(RulesCommandTest, UsageErrorsExitTwo)
{
    for (const QStringList &args : {QStringList{"rules"}, QStringList{"rules", "show"}, QStringList{"rules", "show", "known"},
                                    QStringList{"rules", "check", "x"}, QStringList{"rules", "frob"}}) {
        const auto result = runCli(home.path(), args);
        EXPECT_EQ(result.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(result.err.contains("rules show subject | header | sender | except"));
    }
}
