#include "RuleTableEdits.h"

#include "RuleColumns.h"

#include <limits>

namespace tarnwell {

namespace {

bool isRuleRow(const RuleTable &table, int row)
{
    return row >= 1 && row < table.rowCount();
}

bool shownCellsEqual(const RuleTable &table, int a, int b)
{
    for (int column = 0; column < table.columnCount(); ++column) {
        if (!table.isColumnHidden(column) && table.cell(a, column) != table.cell(b, column))
            return false;
    }
    return true;
}

void fillRow(RuleTable &table, int row, const QList<QByteArray> &cells)
{
    for (int column = 0; column < cells.size(); ++column)
        table.setCell(row, column, cells[column]);
    refreshImage(table, row);
}

} // namespace

void SetGridHeadings(RuleTables &tables)
{
    for (RuleTableKind kind : RuleTables::kinds) {
        RuleTable &table = tables.table(kind);
        const QList<QByteArray> headings = gridHeadings(kind);
        for (int column = 0; column < headings.size(); ++column) {
            if (!headings[column].isEmpty())
                table.setCell(0, column, headings[column]);
        }
    }
}

void CheckGridAdv(RuleTable &table, int row, bool deletes)
{
    if (table.kind() == RuleTableKind::WhiteList || !isRuleRow(table, row))
        return;
    table.setImage(row, deletes ? kDeleteMark : kQuestionMark);
}

void BumpUpGrid(RuleTable &table, int row, bool explanationMode)
{
    if (explanationMode || !isRuleRow(table, row))
        return;
    const int column = hitsColumn(table.kind());
    bool ok = false;
    qint64 hits = table.cell(row, column).toLongLong(&ok);
    if (!ok)
        hits = 0;
    if (hits < std::numeric_limits<qint64>::max())
        ++hits;
    table.setCell(row, column, QByteArray::number(hits));
}

void DeleteDupsFromGrid(RuleTable &table)
{
    for (int row = table.rowCount() - 1; row >= 2; --row) {
        if (shownCellsEqual(table, row, row - 1))
            table.removeRow(row);
    }
}

Mark friendImage(const RuleTable &whiteList, int row)
{
    bool ok = false;
    const int number = whiteList.cell(row, WhiteListColumn::ImageNumber).toInt(&ok);
    return ok && isFriendImage(number) ? number : kFirstFriendImage;
}

void refreshImage(RuleTable &table, int row)
{
    if (table.kind() == RuleTableKind::WhiteList) {
        if (isRuleRow(table, row))
            table.setImage(row, friendImage(table, row));
        return;
    }
    CheckGridAdv(table, row, table.isYes(row, SubjectColumn::Delete));
}

int appendRuleRow(RuleTable &table)
{
    if (table.holdsOnlyPlaceholder())
        return 1;
    table.insertRows(table.rowCount());
    return table.rowCount() - 1;
}

int insertRuleRow(RuleTable &table)
{
    table.insertRows(1);
    return 1;
}

int appendRule(RuleTable &table, const QList<QByteArray> &cells)
{
    const int row = appendRuleRow(table);
    fillRow(table, row, cells);
    return row;
}

int insertRule(RuleTable &table, const QList<QByteArray> &cells)
{
    const int row = insertRuleRow(table);
    fillRow(table, row, cells);
    return row;
}

} // namespace tarnwell
