#pragma once

#include "CheckOutcome.h"
#include "ReasonList.h"

#include "classify/rules/RuleTableEdits.h"

#include <QByteArray>

namespace tarnwell {

class RuleTable;

// The rows a scan of a subject, sender or header rule table reaches: from row 1 up
// to, not including, the first row whose column 1 is blank.
int scannedRowsEnd(const RuleTable &table);

// What a matching rule row hands to the reason list.
struct Reason
{
    QByteArray subject;
    QByteArray condition;
    QByteArray pattern;
    bool caseSensitive = false;
};

// The walk over a subject, sender or header rule table, shared by the three: every
// match of a row raises its hit count, records its reason with the row's delete flag
// and notes that flag; outside explanation mode a matching delete rule ends the
// walk, and also the row's own search for further matches (header lines, the
// recipient rule's second test).
class RuleScan
{
public:
    RuleScan(RuleTable &table, ReasonList &reasons) : m_table(table), m_reasons(reasons) {}

    bool explaining() const { return m_reasons.explanationMode(); }

    // One match of rule row `row`; makeReason() is called only in explanation mode.
    // Returns whether the row may go on looking for matches.
    template<typename MakeReason>
    bool match(int row, bool deletes, MakeReason &&makeReason)
    {
        BumpUpGrid(m_table, row, explaining());
        if (explaining()) {
            const Reason reason = makeReason();
            m_reasons.whyAdd(deletes, reason.subject, reason.condition, reason.pattern, reason.caseSensitive);
        }
        m_outcome.matched = true;
        if (deletes) {
            m_outcome.deletes = true;
            m_stopped = !explaining();
        }
        return !m_stopped;
    }

    // A delete rule has matched outside explanation mode: no further rows.
    bool stopped() const { return m_stopped; }
    CheckOutcome outcome() const { return m_outcome; }

private:
    RuleTable &m_table;
    ReasonList &m_reasons;
    CheckOutcome m_outcome;
    bool m_stopped = false;
};

} // namespace tarnwell
