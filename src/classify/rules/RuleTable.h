#pragma once

#include "Mark.h"
#include "RuleTableKind.h"

#include "classify/text/Condition.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <vector>

namespace tarnwell {

// One rule table as plain data: a grid of byte cells, row 0 the headings, rules from
// row 1 in evaluation order, plus each row's image (mark or friend image) and the
// column widths of the grid file. The cells are the truth: what a rule does is read
// from them each time (condition(), isYes()), so an editor may change any cell.
// Cells outside the grid read as empty and ignore writes.
class RuleTable
{
public:
    // The headings and one empty placeholder row.
    explicit RuleTable(RuleTableKind kind);

    RuleTableKind kind() const { return m_kind; }
    int columnCount() const { return m_columns; }
    int rowCount() const { return int(m_rows.size()); } // row 0 included
    int ruleRowCount() const { return rowCount() - 1; }

    const QByteArray &cell(int row, int column) const;
    void setCell(int row, int column, const QByteArray &text);

    // The exact text "Yes" (case matters) is yes; anything else is no.
    bool isYes(int row, int column) const { return cell(row, column) == QByteArrayView("Yes"); }
    // The row's condition parsed from its condition column.
    Condition condition(int row) const { return conditionFromCell(cell(row, conditionColumn(m_kind))); }

    // The image shown in the row's image column; kNoMark when none.
    Mark image(int row) const;
    void setImage(int row, Mark image);

    int columnWidth(int column) const;
    void setColumnWidth(int column, int width);
    bool isColumnHidden(int column) const { return isHiddenColumn(m_kind, column); }

    // Back to the headings and one empty placeholder row.
    void clear();
    // Exactly one rule row, with an empty column 1.
    bool holdsOnlyPlaceholder() const;

    // Grid shape. New cells are empty; rows and columns keep their place otherwise.
    void resize(int columns, int rows);
    void insertRows(int at, int count = 1);
    void removeRow(int row);
    void insertColumns(int at, int count);
    void removeColumnsFrom(int column);

    friend bool operator==(const RuleTable &, const RuleTable &) = default;

    static constexpr int kDefaultColumnWidth = 64;

private:
    struct Row
    {
        QList<QByteArray> cells;
        Mark image = kNoMark;
        friend bool operator==(const Row &, const Row &) = default;
    };

    bool hasRow(int row) const { return row >= 0 && row < rowCount(); }
    Row emptyRow() const;

    RuleTableKind m_kind;
    int m_columns = 0;
    std::vector<Row> m_rows;
    QList<int> m_widths;
};

} // namespace tarnwell
