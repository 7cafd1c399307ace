#include "classify/rules/RuleColumns.h"
#include "classify/rules/RuleTableEdits.h"
#include "classify/rules/RuleTables.h"

#include "support/PrintTo.h"

#include <gtest/gtest.h>

using namespace tarnwell;

namespace {

QList<QByteArray> rowOf(const RuleTable &table, int row)
{
    QList<QByteArray> cells;
    for (int column = 0; column < table.columnCount(); ++column)
        cells.append(table.cell(row, column));
    return cells;
}

RuleTable subjectTable(const QList<QList<QByteArray>> &rules)
{
    RuleTable table(RuleTableKind::Subject);
    for (const auto &rule : rules)
        appendRule(table, rule);
    return table;
}

} // namespace

TEST(RuleTable, NewTablesHoldHeadingsAndOnePlaceholderRow)
{
    const RuleTables tables;
    struct Case
    {
        const RuleTable &table;
        QList<QByteArray> headings;
    };
    const Case cases[] = {
        {tables.gridSubject, {"", "What", "Matches", "Case", "Del?", "Hits"}},
        {tables.gridHeader, {"", "What", "Matches", "Case", "Del?", "Hits"}},
        {tables.gridFrom, {"", "What", "Condition", "Matches", "Del?", "Hits"}},
        {tables.gridExcept, {"What", "Condition", "Matches", "Case?", "Hits", "", ""}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(int(c.table.kind()));
        EXPECT_EQ(rowOf(c.table, 0), c.headings);
        EXPECT_EQ(c.table.rowCount(), 2);
        EXPECT_TRUE(c.table.holdsOnlyPlaceholder());
        EXPECT_EQ(rowOf(c.table, 1), QList<QByteArray>(c.table.columnCount()));
        EXPECT_EQ(c.table.image(1), kNoMark);
        EXPECT_EQ(c.table.condition(1), Condition::None); // the placeholder never matches
    }
    EXPECT_TRUE(tables.gridExcept.isColumnHidden(WhiteListColumn::ImageNumber));
    EXPECT_FALSE(tables.gridExcept.isColumnHidden(WhiteListColumn::Image));
    EXPECT_FALSE(tables.gridSubject.isColumnHidden(6));
}

TEST(RuleTable, CellsOutsideTheGridReadEmptyAndIgnoreWrites)
{
    RuleTable table(RuleTableKind::Subject);
    for (auto [row, column] : {std::pair{-1, 0}, {0, -1}, {2, 0}, {1, 6}}) {
        table.setCell(row, column, "x");
        EXPECT_TRUE(table.cell(row, column).isEmpty());
    }
    table.setImage(5, kDeleteMark);
    EXPECT_EQ(table.image(5), kNoMark);
    EXPECT_EQ(table, RuleTable(RuleTableKind::Subject));
}

TEST(RuleTable, ConditionAndYesAreReadFromTheCells)
{
    RuleTables tables;
    appendRule(tables.gridSubject, {"", "Is UPPERCASE", "", "", "Yes", "0"});
    appendRule(tables.gridFrom, {"", "Real name", "50% numeric", "", "yes", "0"});
    appendRule(tables.gridExcept, {"Subject", "Ends with", "x", "Yes", "0", "", "4"});
    EXPECT_EQ(tables.gridSubject.condition(1), Condition::IsUppercase);
    EXPECT_EQ(tables.gridFrom.condition(1), Condition::HalfNumeric);
    EXPECT_EQ(tables.gridExcept.condition(1), Condition::EndsWith);
    EXPECT_TRUE(tables.gridSubject.isYes(1, SubjectColumn::Delete));
    EXPECT_FALSE(tables.gridFrom.isYes(1, SenderColumn::Delete)); // only "Yes" is yes

    // An editor changing a cell changes the rule at once.
    tables.gridSubject.setCell(1, SubjectColumn::What, "Contains");
    EXPECT_EQ(tables.gridSubject.condition(1), Condition::Contains);
}

TEST(RuleTable, TablesEvaluateOnlyTheirOwnConditions)
{
    struct Case
    {
        RuleTableKind kind;
        QList<Condition> shapes;
    };
    const QList<Condition> allShapes{Condition::IsBlank,    Condition::IsUppercase,      Condition::AllNumeric,
                                     Condition::HalfNumeric, Condition::FirstCharNumeric, Condition::ThreeSpaces};
    const Case cases[] = {
        {RuleTableKind::Subject, {Condition::IsBlank, Condition::IsUppercase, Condition::ThreeSpaces}},
        {RuleTableKind::Sender,
         {Condition::IsBlank, Condition::IsUppercase, Condition::AllNumeric, Condition::HalfNumeric,
          Condition::FirstCharNumeric}},
        {RuleTableKind::Header, {}},
        {RuleTableKind::WhiteList, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(int(c.kind));
        for (Condition text : {Condition::Contains, Condition::ContainsWholeWord, Condition::Equals,
                               Condition::StartsWith, Condition::EndsWith})
            EXPECT_TRUE(tableEvaluates(c.kind, text));
        for (Condition shape : allShapes)
            EXPECT_EQ(tableEvaluates(c.kind, shape), c.shapes.contains(shape)) << int(shape);
        EXPECT_FALSE(tableEvaluates(c.kind, Condition::None));
    }
}

TEST(RuleTableEdits, SetGridHeadingsRewritesRowZero)
{
    RuleTables tables;
    for (RuleTableKind kind : RuleTables::kinds) {
        RuleTable &table = tables.table(kind);
        for (int column = 0; column < table.columnCount(); ++column)
            table.setCell(0, column, "junk");
    }
    SetGridHeadings(tables);
    EXPECT_EQ(rowOf(tables.gridSubject, 0), (QList<QByteArray>{"junk", "What", "Matches", "Case", "Del?", "Hits"}));
    EXPECT_EQ(rowOf(tables.gridHeader, 0), (QList<QByteArray>{"junk", "What", "Matches", "Case", "Del?", "Hits"}));
    EXPECT_EQ(rowOf(tables.gridFrom, 0),
              (QList<QByteArray>{"junk", "What", "Condition", "Matches", "Del?", "Hits"}));
    EXPECT_EQ(rowOf(tables.gridExcept, 0),
              (QList<QByteArray>{"What", "Condition", "Matches", "Case?", "Hits", "junk", "junk"}));
}

TEST(RuleTableEdits, CheckGridAdvSetsTheMarkImageOfRuleRowsOnly)
{
    RuleTable table = subjectTable({{"", "Contains", "a", "No", "No", "0"}, {"", "Contains", "b", "No", "Yes", "0"}});
    EXPECT_EQ(table.image(1), kQuestionMark);
    EXPECT_EQ(table.image(2), kDeleteMark);
    CheckGridAdv(table, 1, true);
    CheckGridAdv(table, 2, false);
    EXPECT_EQ(table.image(1), kDeleteMark);
    EXPECT_EQ(table.image(2), kQuestionMark);
    CheckGridAdv(table, 0, true);
    CheckGridAdv(table, 3, true);
    EXPECT_EQ(table.image(0), kNoMark);
    EXPECT_EQ(table.rowCount(), 3);

    RuleTable whiteList(RuleTableKind::WhiteList);
    appendRule(whiteList, {"Subject", "Contains", "x", "No", "0", "", "9"});
    CheckGridAdv(whiteList, 1, true);
    EXPECT_EQ(whiteList.image(1), 9);
}

TEST(RuleTableEdits, BumpUpGridCountsOutsideExplanationMode)
{
    struct Case
    {
        QByteArray before, after;
    };
    const Case cases[] = {{"0", "1"}, {"41", "42"}, {"", "1"}, {"abc", "1"}, {"12abc", "1"}, {"9223372036854775807", "9223372036854775807"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.before.toStdString());
        RuleTable table = subjectTable({{"", "Contains", "a", "No", "Yes", c.before}});
        BumpUpGrid(table, 1, true);
        EXPECT_EQ(table.cell(1, SubjectColumn::Hits), c.before);
        BumpUpGrid(table, 1, false);
        EXPECT_EQ(table.cell(1, SubjectColumn::Hits), c.after);
    }

    RuleTable whiteList(RuleTableKind::WhiteList);
    appendRule(whiteList, {"Subject", "Contains", "x", "No", "7", "", "3"});
    BumpUpGrid(whiteList, 1, false);
    EXPECT_EQ(whiteList.cell(1, WhiteListColumn::Hits), "8");
    EXPECT_EQ(whiteList.cell(1, 5), "");
    BumpUpGrid(whiteList, 0, false);
    BumpUpGrid(whiteList, 2, false);
    EXPECT_EQ(whiteList.cell(0, WhiteListColumn::Hits), "Hits");
    EXPECT_EQ(whiteList.rowCount(), 2);
}

TEST(RuleTableEdits, DeleteDupsFromGridRemovesAdjacentDuplicatesOnly)
{
    const QList<QByteArray> a{"", "Contains", "free", "No", "Yes", "0"};
    const QList<QByteArray> b{"", "Contains", "cash", "No", "Yes", "0"};
    QList<QByteArray> aCounted = a;
    aCounted[SubjectColumn::Hits] = "3";
    QList<QByteArray> aUpper = a;
    aUpper[SubjectColumn::Matches] = "FREE";
    struct Case
    {
        QList<QList<QByteArray>> rows, kept;
    };
    const Case cases[] = {
        {{a, a}, {a}},
        {{a, a, a}, {a}},
        {{a, b, a}, {a, b, a}},
        {{a, aCounted}, {a, aCounted}}, // hit counts take part
        {{a, aUpper}, {a, aUpper}},     // case counts
        {{b, a, a, b, b}, {b, a, b}},
        {{a}, {a}},
    };
    for (const Case &c : cases) {
        RuleTable table = subjectTable(c.rows);
        DeleteDupsFromGrid(table);
        QList<QList<QByteArray>> kept;
        for (int row = 1; row < table.rowCount(); ++row)
            kept.append(rowOf(table, row));
        EXPECT_EQ(kept, c.kept);
    }

    // The white list's hidden image number takes no part.
    RuleTable whiteList(RuleTableKind::WhiteList);
    appendRule(whiteList, {"E-mail address", "Equals", "joe@example.com", "No", "0", "", "3"});
    appendRule(whiteList, {"E-mail address", "Equals", "joe@example.com", "No", "0", "", "7"});
    DeleteDupsFromGrid(whiteList);
    EXPECT_EQ(whiteList.ruleRowCount(), 1);
}

TEST(RuleTableEdits, AppendFillsThePlaceholderThenAddsAtTheEnd)
{
    RuleTable table(RuleTableKind::Sender);
    EXPECT_EQ(appendRule(table, {"", "Domain name", "Equals", "example.com", "Yes", "0"}), 1);
    EXPECT_EQ(table.ruleRowCount(), 1);
    EXPECT_EQ(table.image(1), kDeleteMark);
    EXPECT_EQ(appendRule(table, {"", "Domain name", "Ends with", ".uk", "No", "0"}), 2);
    EXPECT_EQ(table.ruleRowCount(), 2);
    EXPECT_EQ(table.cell(2, SenderColumn::Matches), ".uk");
    EXPECT_EQ(table.image(2), kQuestionMark);

    // A lone rule row that is not empty is no placeholder.
    RuleTable one(RuleTableKind::Sender);
    one.setCell(1, 1, "Real name");
    EXPECT_FALSE(one.holdsOnlyPlaceholder());
    EXPECT_EQ(appendRuleRow(one), 2);
}

TEST(RuleTableEdits, InsertPutsTheNewRuleInRowOne)
{
    RuleTable table(RuleTableKind::Subject);
    insertRule(table, {"", "Contains", "first", "Yes", "Yes", "1"});
    insertRule(table, {"", "Contains", "second", "Yes", "No", "1"});
    ASSERT_EQ(table.rowCount(), 4); // the placeholder row moves down with the others
    EXPECT_EQ(table.cell(1, SubjectColumn::Matches), "second");
    EXPECT_EQ(table.image(1), kQuestionMark);
    EXPECT_EQ(table.cell(2, SubjectColumn::Matches), "first");
    EXPECT_EQ(table.image(2), kDeleteMark);
    EXPECT_EQ(table.cell(3, SubjectColumn::What), "");
    EXPECT_EQ(table.cell(0, SubjectColumn::What), "What");
}

TEST(RuleTableEdits, FriendImageComesFromColumnSix)
{
    struct Case
    {
        QByteArray number;
        Mark image;
    };
    const Case cases[] = {{"", 3}, {"3", 3}, {"7", 7}, {"14", 14}, {"15", 3}, {"2", 3}, {"-1", 3}, {"x", 3}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.number.toStdString());
        RuleTable whiteList(RuleTableKind::WhiteList);
        appendRule(whiteList, {"Real name", "Equals", "Joe", "No", "0", "", c.number});
        EXPECT_EQ(friendImage(whiteList, 1), c.image);
        EXPECT_EQ(whiteList.image(1), c.image);
    }
}
