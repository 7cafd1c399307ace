#pragma once

#include "CheckOutcome.h"
#include "CompiledRules.h"
#include "TextTest.h"

#include <QByteArray>

namespace tarnwell {

class PreparedMessage;
class ReasonList;
class RuleTable;

// The sender rules (qmarkThisSender): column 1 chooses what part of the sender the
// row's condition looks at; case is always ignored.
class SenderRules
{
public:
    // The text a row examines.
    enum class Part { Address, LocalPart, Domain, RealName, Nothing };

    struct Row
    {
        int row = 0;
        Part part = Part::Nothing;
        QByteArray what; // column 1, for the reason
        TextTest test;
        bool deletes = false;
        bool withPattern = false;
    };

    using Rows = std::vector<Row>;

    SenderRules();
    // The table's rows as the check evaluates them, compiled again only after an edit.
    std::shared_ptr<const Rows> compiled(const RuleTable &gridFrom) { return m_rules.rows(gridFrom); }

    static CheckOutcome qmarkThisSender(RuleTable &gridFrom, const Rows &rows, PreparedMessage &message,
                                        ReasonList &reasons);
    static Rows compile(const RuleTable &gridFrom);

private:
    CompiledRules<Row> m_rules;
};

} // namespace tarnwell
