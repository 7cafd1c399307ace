#include "classify/rules/GridFile.h"
#include "classify/rules/RuleColumns.h"
#include "classify/rules/RuleTableEdits.h"
#include "classify/rules/SpamSettingsFiles.h"

#include "support/PrintTo.h"
#include "support/RecordingPrompter.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace tarnwell;

namespace {

class SpamSettingsFilesTest : public test::HomeTest
{
protected:
    bool load()
    {
        prompter.clear();
        return readSettings(tables, options, home.folder(), prompter);
    }
    bool save() { return Savesettings(tables, options, home.folder()); }
    QString path(const QString &name) const { return home.folder().file(name); }

    RuleTables tables;
    SpamOptions options;
    test::RecordingPrompter prompter;
};

} // namespace

TEST_F(SpamSettingsFilesTest, FirstStartGivesEmptyTablesAndDefaults)
{
    tables.gridSubject.setCell(1, 1, "Contains");
    options.whiteListOnly = true;
    ASSERT_TRUE(load());
    EXPECT_EQ(tables, RuleTables());
    EXPECT_EQ(options, SpamOptions());
    EXPECT_TRUE(prompter.shown().isEmpty());
}

TEST_F(SpamSettingsFilesTest, SaveThenLoadKeepsEveryCell)
{
    appendRule(tables.gridSubject, {"", "Contains", "two\r\nlines", "Yes", "Yes", "5"});
    appendRule(tables.gridSubject, {"", "Starts with", "a, b, c", "No", "No", "0"});
    appendRule(tables.gridHeader, {"", "Sender", "does not match Reply-to", "No", "Yes", "0"});
    appendRule(tables.gridFrom, {"", "Domain name", "Equals", "example.com", "Yes", "0"});
    appendRule(tables.gridExcept, {"E-mail address", "Equals", "friend@example.com", "No", "2", "", "7"});
    options.largerOn = true;
    options.largerLimit = 123456;
    options.asciiCount = QStringLiteral("17");
    ASSERT_TRUE(save());

    const RuleTables saved = tables;
    const SpamOptions savedOptions = options;
    tables = RuleTables();
    options = SpamOptions();
    ASSERT_TRUE(load());
    EXPECT_EQ(tables, saved);
    EXPECT_EQ(options, savedOptions);
    EXPECT_EQ(tables.gridExcept.image(1), 7);
    EXPECT_EQ(tables.gridSubject.image(1), kDeleteMark);
    EXPECT_EQ(tables.gridSubject.image(2), kQuestionMark);
    EXPECT_EQ(home.read("except.lst").left(7), "7,2\r\ncw");
    EXPECT_TRUE(home.read("except.lst").contains("\r\n6,1,7\r\n")); // the hidden column is stored
}

TEST_F(SpamSettingsFilesTest, OlderWhiteListsAreWidenedToSevenColumns)
{
    struct Case
    {
        QByteArray file;
        QList<QByteArray> row;
        Mark image;
    };
    const Case cases[] = {
        {"5,2\r\n0,1,Real name\r\n1,1,Equals\r\n2,1,Joe\r\n3,1,No\r\n4,1,9\r\n",
         {"Real name", "Equals", "Joe", "No", "9", "", ""}, 3},
        {"6,2\r\n0,1,Real name\r\n4,1,9\r\n5,1,img\r\n", {"Real name", "", "", "", "9", "img", ""}, 3},
        {"9,2\r\n0,1,Subject\r\n6,1,12\r\n7,1,dropped\r\n8,1,dropped\r\n", {"Subject", "", "", "", "", "", "12"}, 12},
        {"3,2\r\n0,1,Subject\r\n2,1,x\r\n", {"Subject", "", "x", "", "", "", ""}, 3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        home.write("except.lst", c.file);
        ASSERT_TRUE(load());
        const RuleTable &table = tables.gridExcept;
        ASSERT_EQ(table.columnCount(), 7);
        QList<QByteArray> row;
        for (int column = 0; column < 7; ++column)
            row.append(table.cell(1, column));
        EXPECT_EQ(row, c.row);
        EXPECT_EQ(table.image(1), c.image);
    }
}

TEST_F(SpamSettingsFilesTest, RuleTablesAreCutOrPaddedToSixColumnsWithImagesFromDel)
{
    home.write("subj.lst", "8,3\r\n1,1,Contains\r\n4,1,Yes\r\n6,1,extra\r\n1,2,Equals\r\n4,2,No\r\n");
    home.write("from.lst", "4,2\r\n1,1,Real name\r\n3,1,Joe\r\n");
    home.write("header.lst", "6,1\r\n1,0,What\r\n");
    ASSERT_TRUE(load());
    EXPECT_EQ(tables.gridSubject.columnCount(), 6);
    EXPECT_EQ(tables.gridSubject.cell(1, 6), "");
    EXPECT_EQ(tables.gridSubject.image(1), kDeleteMark);
    EXPECT_EQ(tables.gridSubject.image(2), kQuestionMark);
    EXPECT_EQ(tables.gridFrom.columnCount(), 6);
    tables.gridFrom.setCell(1, SenderColumn::Hits, "4");
    EXPECT_EQ(tables.gridFrom.cell(1, SenderColumn::Hits), "4");
    // A file of headings alone still gets a (placeholder) rule row.
    EXPECT_EQ(tables.gridHeader.rowCount(), 2);
    EXPECT_TRUE(tables.gridHeader.holdsOnlyPlaceholder());
}

TEST_F(SpamSettingsFilesTest, ACorruptFileIsReportedAndStopsTheLoading)
{
    appendRule(tables.gridSubject, {"", "Contains", "subject", "No", "No", "0"});
    appendRule(tables.gridHeader, {"", "Contains", "header", "No", "No", "0"});
    appendRule(tables.gridFrom, {"", "Real name", "Equals", "sender", "No", "0"});
    ASSERT_TRUE(save());
    options.whiteListOnly = true; // not saved: a stopped load must not replace it

    struct Case
    {
        QString file;
        QByteArray bytes;
        int loadedTables; // tables replaced by their files before the stop
    };
    const Case cases[] = {
        {"subj.lst", "", 0},
        {"header.lst", "\r\n", 1},
        {"from.lst", "6,0\r\n", 2},
        {"except.lst", "0,5\r\n1,1,x\r\n", 3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        const QByteArray good = home.read(c.file);
        home.write(c.file, c.bytes);
        RuleTables inMemory;
        for (RuleTableKind kind : RuleTables::kinds)
            appendRule(inMemory.table(kind), {"", "Contains", "memory", "No", "No", "0"});
        tables = inMemory;
        EXPECT_FALSE(load());
        EXPECT_EQ(prompter.texts(), QStringList{"File contains no data or corrupt file " + path(c.file)});
        EXPECT_EQ(prompter.shown().value(0).kind, UserPrompter::Kind::Error);
        for (int i = 0; i < 4; ++i) {
            const RuleTableKind kind = RuleTables::kinds[size_t(i)];
            EXPECT_EQ(tables.table(kind) == inMemory.table(kind), i >= c.loadedTables) << i;
        }
        EXPECT_TRUE(options.whiteListOnly);
        home.write(c.file, good);
    }
}

TEST_F(SpamSettingsFilesTest, AFileThatCannotBeOpenedIsReported)
{
    ASSERT_TRUE(QDir(home.path()).mkdir("header.lst"));
    EXPECT_FALSE(load());
    EXPECT_EQ(prompter.texts(), QStringList{"Cannot open file " + path("header.lst")});
}

TEST_F(SpamSettingsFilesTest, AFileThatCannotBeWrittenIsSkippedSilently)
{
    ASSERT_TRUE(QDir(home.path()).mkdir("header.lst"));
    appendRule(tables.gridSubject, {"", "Contains", "free", "No", "Yes", "0"});
    appendRule(tables.gridExcept, {"Real name", "Equals", "Joe", "No", "0", "", "3"});
    options.spellOn = false;
    EXPECT_FALSE(save());
    EXPECT_TRUE(QFileInfo(path("header.lst")).isDir());
    RuleTable subject(RuleTableKind::Subject);
    ASSERT_EQ(GridFile::read(path("subj.lst"), subject), GridFile::Status::Ok);
    EXPECT_EQ(subject.cell(1, SubjectColumn::Matches), "free");
    EXPECT_TRUE(home.read("except.lst").contains("2,1,Joe"));
    EXPECT_TRUE(home.read("tarnwell.ini").contains("QSpell=0"));
}
