#include "RuleTable.h"

#include <algorithm>

namespace tarnwell {

namespace {
const QByteArray kEmptyCell;
}

RuleTable::RuleTable(RuleTableKind kind)
    : m_kind(kind)
{
    clear();
}

const QByteArray &RuleTable::cell(int row, int column) const
{
    if (!hasRow(row) || column < 0 || column >= m_columns)
        return kEmptyCell;
    return m_rows[size_t(row)].cells[column];
}

void RuleTable::setCell(int row, int column, const QByteArray &text)
{
    if (hasRow(row) && column >= 0 && column < m_columns)
        m_rows[size_t(row)].cells[column] = text;
}

Mark RuleTable::image(int row) const
{
    return hasRow(row) ? m_rows[size_t(row)].image : kNoMark;
}

void RuleTable::setImage(int row, Mark image)
{
    if (hasRow(row))
        m_rows[size_t(row)].image = image;
}

int RuleTable::columnWidth(int column) const
{
    return (column >= 0 && column < m_columns) ? m_widths[column] : 0;
}

void RuleTable::setColumnWidth(int column, int width)
{
    if (column >= 0 && column < m_columns)
        m_widths[column] = width;
}

void RuleTable::clear()
{
    m_columns = gridColumnCount(m_kind);
    m_widths = QList<int>(m_columns, kDefaultColumnWidth);
    m_rows.assign(2, emptyRow());
    m_rows[0].cells = gridHeadings(m_kind);
}

bool RuleTable::holdsOnlyPlaceholder() const
{
    return ruleRowCount() == 1 && cell(1, 1).isEmpty();
}

RuleTable::Row RuleTable::emptyRow() const
{
    return Row{QList<QByteArray>(m_columns), kNoMark};
}

void RuleTable::resize(int columns, int rows)
{
    columns = std::max(columns, 0);
    rows = std::max(rows, 0);
    m_columns = columns;
    m_widths.resize(columns, kDefaultColumnWidth);
    for (Row &row : m_rows)
        row.cells.resize(columns);
    m_rows.resize(size_t(rows), emptyRow());
}

void RuleTable::insertRows(int at, int count)
{
    at = std::clamp(at, 0, rowCount());
    if (count > 0)
        m_rows.insert(m_rows.begin() + at, size_t(count), emptyRow());
}

void RuleTable::removeRow(int row)
{
    if (hasRow(row))
        m_rows.erase(m_rows.begin() + row);
}

void RuleTable::insertColumns(int at, int count)
{
    if (count <= 0)
        return;
    at = std::clamp(at, 0, m_columns);
    for (Row &row : m_rows)
        row.cells.insert(at, count, QByteArray());
    m_widths.insert(at, count, kDefaultColumnWidth);
    m_columns += count;
}

void RuleTable::removeColumnsFrom(int column)
{
    if (column >= 0 && column < m_columns)
        resize(column, rowCount());
}

} // namespace tarnwell
