#pragma once

#include "TableSnapshot.h"

#include <memory>
#include <vector>

namespace tarnwell {

class RuleTable;

// The rows of one rule table in the form a check evaluates, made again only when a
// cell that the form depends on has changed. rows() hands out a shared copy, so a
// judgement keeps its rows even if a nested one (a check that waits for the network
// runs the event loop) recompiles meanwhile.
template<typename Row>
class CompiledRules
{
public:
    using Rows = std::vector<Row>;
    using Compile = Rows (*)(const RuleTable &);

    CompiledRules(std::vector<int> columns, Compile compile) : m_columns(std::move(columns)), m_compile(compile) {}

    std::shared_ptr<const Rows> rows(const RuleTable &table)
    {
        if (!m_rows || !m_snapshot.isOf(table)) {
            m_rows = std::make_shared<const Rows>(m_compile(table));
            m_snapshot = TableSnapshot(table, m_columns);
        }
        return m_rows;
    }

private:
    std::vector<int> m_columns;
    Compile m_compile;
    TableSnapshot m_snapshot;
    std::shared_ptr<const Rows> m_rows;
};

} // namespace tarnwell
