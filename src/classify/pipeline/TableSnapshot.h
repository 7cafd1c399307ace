#pragma once

#include <QByteArray>
#include <QList>

#include <vector>

namespace tarnwell {

class RuleTable;

// Remembers the cells of a rule table that a compiled form was made from, so that
// the form is reused until one of them changes. Cells are compared by identity: a
// table only ever replaces a cell's text, and the copy held here keeps the old text
// alive, so a replaced cell can never share it. The hit counts are left out, since
// judging itself raises them.
class TableSnapshot
{
public:
    TableSnapshot() = default;
    TableSnapshot(const RuleTable &table, const std::vector<int> &columns);

    bool isOf(const RuleTable &table) const;

private:
    const RuleTable *m_table = nullptr;
    int m_rows = 0;
    int m_columnCount = 0;
    std::vector<int> m_columns;
    QList<QByteArray> m_cells;
};

} // namespace tarnwell
