#pragma once

#include "CheckOutcome.h"
#include "CompiledRules.h"
#include "TextTest.h"

namespace tarnwell {

class PreparedMessage;
class ReasonList;
class RuleTable;

// The subject rules (qMarkThisSubject): each row's condition on the subject.
class SubjectRules
{
public:
    struct Row
    {
        int row = 0;
        TextTest test;
        bool deletes = false;
        bool withPattern = false; // the reason names the pattern
    };

    using Rows = std::vector<Row>;

    SubjectRules();
    // The table's rows as the check evaluates them, compiled again only after an edit.
    std::shared_ptr<const Rows> compiled(const RuleTable &gridSubject) { return m_rules.rows(gridSubject); }

    static CheckOutcome qMarkThisSubject(RuleTable &gridSubject, const Rows &rows, PreparedMessage &message,
                                         ReasonList &reasons);
    static Rows compile(const RuleTable &gridSubject);

private:
    CompiledRules<Row> m_rules;
};

} // namespace tarnwell
