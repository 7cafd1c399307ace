#pragma once

#include "TableSnapshot.h"

#include <memory>
#include <vector>

namespace tarnwell {

class RuleTable;

// The rows of one rule table in the form a check evaluates (Check::Row, made by
// Check::compile from the cells of Check::compiledColumns()), made again only when
// one of those cells has changed. rows() hands out a shared copy, so a judgement
// keeps its rows even if a nested one recompiles meanwhile.
template<typename Check>
class CompiledRules
{
public:
    using Rows = std::vector<typename Check::Row>;

    std::shared_ptr<const Rows> rows(const RuleTable &table)
    {
        if (!m_rows || !m_snapshot.isOf(table)) {
            m_rows = std::make_shared<const Rows>(Check::compile(table));
            m_snapshot = TableSnapshot(table, Check::compiledColumns());
        }
        return m_rows;
    }

private:
    TableSnapshot m_snapshot;
    std::shared_ptr<const Rows> m_rows;
};

} // namespace tarnwell
