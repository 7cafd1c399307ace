#pragma once

#include "CheckOutcome.h"
#include "TextTest.h"

#include <vector>

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

    static CheckOutcome qMarkThisSubject(RuleTable &gridSubject, const Rows &rows, PreparedMessage &message,
                                         ReasonList &reasons);
    static Rows compile(const RuleTable &gridSubject);
    static std::vector<int> compiledColumns();
};

} // namespace tarnwell
