#include "classify/rules/GridFile.h"
#include "classify/rules/RuleColumns.h"
#include "classify/rules/RuleTableEdits.h"

#include "support/PrintTo.h"

#include <gtest/gtest.h>

using namespace tarnwell;

namespace {

RuleTable parsed(const QByteArray &bytes, RuleTableKind kind = RuleTableKind::Subject)
{
    RuleTable table(kind);
    EXPECT_EQ(GridFile::parse(bytes, table), GridFile::Status::Ok) << bytes.toStdString();
    return table;
}

} // namespace

TEST(GridFile, WritesTheExactLayout)
{
    RuleTable table(RuleTableKind::Subject);
    appendRule(table, {"", "Contains", "free, cash, prizes", "No", "Yes", "12"});
    appendRule(table, {"", "Is blank", "", "", "No", "0"});
    table.setColumnWidth(2, 180);
    EXPECT_EQ(GridFile::serialize(table),
              "6,3\r\n"
              "cw 0,64\r\ncw 1,64\r\ncw 2,180\r\ncw 3,64\r\ncw 4,64\r\ncw 5,64\r\n"
              "1,0,What\r\n2,0,Matches\r\n3,0,Case\r\n4,0,Del?\r\n5,0,Hits\r\n"
              "1,1,Contains\r\n2,1,free, cash, prizes\r\n3,1,No\r\n4,1,Yes\r\n5,1,12\r\n"
              "1,2,Is blank\r\n4,2,No\r\n5,2,0\r\n");
}

TEST(GridFile, EscapesLineBreaksWithTabAndCodeEight)
{
    RuleTable table(RuleTableKind::Header);
    table.resize(6, 1);
    table.setCell(0, 2, "two\r\nlines");
    table.setCell(0, 3, "bare\nLF");
    table.setCell(0, 4, "tab\tonly");
    EXPECT_EQ(GridFile::serialize(table).split('\n').mid(7),
              (QList<QByteArray>{"1,0,What\r", "2,0,two\t\blines\r", "3,0,bare\bLF\r", "4,0,tab\tonly\r", "5,0,Hits\r", ""}));
}

TEST(GridFile, ReadsCellsBackWhole)
{
    struct Case
    {
        QByteArray line, cell;
    };
    const Case cases[] = {
        {"2,1,a,b,,c", "a,b,,c"},
        {"2,1,two\t\blines", "two\r\nlines"},
        {"2,1,tab\tstays", "tab\tstays"},          // no code 8: TAB is a TAB
        {"2,1,\b", "\n"},
        {"2,1, spaced ", " spaced "},
        {"2,1,", ""},
        {"2,1,caf\xC3\xA9", "caf\xC3\xA9"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        EXPECT_EQ(parsed("6,2\r\n" + c.line + "\r\n").cell(1, 2), c.cell);
        EXPECT_EQ(parsed("6,2\n" + c.line).cell(1, 2), c.cell); // LF lines and no final line end
    }
}

TEST(GridFile, RoundTripsTablesUnchanged)
{
    RuleTable table(RuleTableKind::WhiteList);
    appendRule(table, {"Subject", "Contains", "line one\r\nline two", "Yes", "3", "", "7"});
    appendRule(table, {"Real name", "Equals", "Doe, John", "No", "0", "", ""});
    appendRule(table, {"CC:", "Contains", QByteArray("nul\0byte", 8), "No", "0", "", "14"});
    table.setColumnWidth(6, 0);
    RuleTable back(RuleTableKind::WhiteList);
    ASSERT_EQ(GridFile::parse(GridFile::serialize(table), back), GridFile::Status::Ok);
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int column = 0; column < table.columnCount(); ++column)
            EXPECT_EQ(back.cell(row, column), table.cell(row, column)) << row << "," << column;
    }
    EXPECT_EQ(back.columnWidth(6), 0);
    EXPECT_EQ(back.rowCount(), table.rowCount());
}

TEST(GridFile, SetsTheCountsAndIgnoresWhatLiesOutside)
{
    const RuleTable table = parsed("3,2\r\n"
                                   "cw 1,99\r\ncw 7,50\r\ncw x,5\r\n"
                                   "0,0,kept\r\n2,1,kept too\r\n"
                                   "3,0,column out\r\n0,2,row out\r\n-1,0,negative\r\n"
                                   "junk line\r\n\r\nx,1,bad\r\n1,y,bad\r\n1\r\n");
    EXPECT_EQ(table.columnCount(), 3);
    EXPECT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.columnWidth(1), 99);
    EXPECT_EQ(table.columnWidth(0), RuleTable::kDefaultColumnWidth);
    EXPECT_EQ(table.cell(0, 0), "kept");
    EXPECT_EQ(table.cell(1, 2), "kept too");
    EXPECT_EQ(table.cell(0, 1), "");
    EXPECT_EQ(table.cell(0, 2), "");
    EXPECT_EQ(table.cell(1, 0), "");
    EXPECT_EQ(table.cell(1, 1), "");
}

TEST(GridFile, RejectsFilesWithoutCounts)
{
    const QByteArray bad[] = {
        "",          "\r\n6,2\r\n", "0,2\r\n",   "6,0\r\n",     "6\r\n",          "a,b\r\n",   "-6,2\r\n",
        "6,-2\r\n",  "6,2,3\r\n",   ",\r\n",     "65,1\r\n",    "6,1000000\r\n", "1,100001\r\n", "99999999999,1\r\n",
        "cw 0,64\r\n",
    };
    for (const QByteArray &bytes : bad) {
        SCOPED_TRACE(bytes.toStdString());
        RuleTable table(RuleTableKind::Subject);
        appendRule(table, {"", "Contains", "before", "No", "No", "0"});
        const RuleTable before = table;
        EXPECT_EQ(GridFile::parse(bytes, table), GridFile::Status::Corrupt);
        EXPECT_EQ(table, before);
    }
    EXPECT_EQ(parsed(" 6 , 2 \r\n").columnCount(), 6);
    EXPECT_EQ(parsed("10,100000\r\n").rowCount(), 100000);
}

TEST(GridFile, RejectionMessagesNameThePath)
{
    EXPECT_EQ(GridFile::rejection(GridFile::Status::Corrupt, "/x/subj.lst"),
              "File contains no data or corrupt file /x/subj.lst");
    EXPECT_EQ(GridFile::rejection(GridFile::Status::CannotOpen, "/x/subj.lst"), "Cannot open file /x/subj.lst");
}
