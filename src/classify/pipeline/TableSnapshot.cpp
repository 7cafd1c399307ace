#include "TableSnapshot.h"

#include "classify/rules/RuleTable.h"

namespace tarnwell {

TableSnapshot::TableSnapshot(const RuleTable &table, const std::vector<int> &columns)
    : m_table(&table), m_rows(table.rowCount()), m_columnCount(table.columnCount()), m_columns(columns)
{
    m_cells.reserve(qsizetype(m_rows) * qsizetype(columns.size()));
    for (int row = 0; row < m_rows; ++row) {
        for (int column : m_columns)
            m_cells.append(table.cell(row, column));
    }
}

bool TableSnapshot::isOf(const RuleTable &table) const
{
    if (&table != m_table || table.rowCount() != m_rows || table.columnCount() != m_columnCount)
        return false;
    qsizetype i = 0;
    for (int row = 0; row < m_rows; ++row) {
        for (int column : m_columns) {
            if (!m_cells.at(i++).isSharedWith(table.cell(row, column)))
                return false;
        }
    }
    return true;
}

} // namespace tarnwell
