#pragma once

#include "CompiledRules.h"
#include "TextTest.h"

#include "classify/rules/Mark.h"

#include <QByteArray>

#include <optional>

namespace tarnwell {

class PreparedMessage;
class ReasonList;
class RuleTable;

// The white list (qIsInException): the first row that matches accepts the message
// and chooses its friend image.
class WhiteList
{
public:
    enum class Form { DomainName, EmailAddress, RealName, Subject, AnyHeader, Field };

    struct Row
    {
        int row = 0;
        Form form = Form::Field;
        QByteArray what;      // column 0
        QByteArray fieldName; // Field rows: column 0 without its colon
        TextTest test;
        Mark image = kFirstFriendImage;
    };

    using Rows = std::vector<Row>;

    WhiteList();
    // The table's rows as the check evaluates them, compiled again only after an edit.
    std::shared_ptr<const Rows> compiled(const RuleTable &gridExcept) { return m_rules.rows(gridExcept); }

    // The friend image of the first matching row, whose hit count rises.
    static std::optional<Mark> qIsInException(RuleTable &gridExcept, const Rows &rows, PreparedMessage &message,
                                              ReasonList &reasons);
    static Rows compile(const RuleTable &gridExcept);

private:
    static bool matches(const Row &row, PreparedMessage &message, ReasonList &reasons);

    CompiledRules<Row> m_rules;
};

} // namespace tarnwell
