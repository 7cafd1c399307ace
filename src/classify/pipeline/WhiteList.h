#pragma once

#include "TextTest.h"

#include "classify/rules/Mark.h"

#include <QByteArray>

#include <optional>
#include <vector>

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

    // The friend image of the first matching row, whose hit count rises.
    static std::optional<Mark> qIsInException(RuleTable &gridExcept, const Rows &rows, PreparedMessage &message,
                                              ReasonList &reasons);
    static Rows compile(const RuleTable &gridExcept);
    static std::vector<int> compiledColumns();

private:
    static bool matches(const Row &row, PreparedMessage &message, ReasonList &reasons);
};

} // namespace tarnwell
