#pragma once

#include "CheckOutcome.h"
#include "TextTest.h"

#include <QByteArray>

#include <vector>

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

    static CheckOutcome qmarkThisSender(RuleTable &gridFrom, const Rows &rows, PreparedMessage &message,
                                        ReasonList &reasons);
    static Rows compile(const RuleTable &gridFrom);
    static std::vector<int> compiledColumns();
};

} // namespace tarnwell
