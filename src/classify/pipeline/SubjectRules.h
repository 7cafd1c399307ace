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

    SubjectRules();
    CheckOutcome qMarkThisSubject(RuleTable &gridSubject, PreparedMessage &message, ReasonList &reasons);

    static std::vector<Row> compile(const RuleTable &gridSubject);

private:
    CompiledRules<Row> m_rules;
};

} // namespace tarnwell
