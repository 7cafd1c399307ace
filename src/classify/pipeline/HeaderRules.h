#pragma once

#include "CheckOutcome.h"
#include "TextTest.h"

#include <QByteArray>

#include <functional>
#include <vector>

namespace tarnwell {

class PreparedMessage;
class ReasonList;
class RuleScan;
class RuleTable;

// The header rules (qMarkThisHeader): the recipient rule of one mailbox slot, the
// reply-to rule, the sender-equals-recipient rule and the header text rules.
class HeaderRules
{
public:
    enum class Form {
        Recipient,         // "To does not contain", column 2 "address - MailBox #n"
        ReplyTo,           // "Sender" / "does not match Reply-to"
        SenderIsRecipient, // "Sender" / anything else
        Text,              // a text condition on each header line
        Never,             // a row this table cannot evaluate
    };

    struct Row
    {
        int row = 0;
        Form form = Form::Never;
        TextTest test;       // Text rows
        QByteArray address;  // Recipient rows: the mailbox's own address
        int slot = 0;        // Recipient rows: the slot it belongs to
        bool caseNote = false; // column 3 "Yes"
        bool deletes = false;
    };

    // The slot being checked (serverToIndex), 0 for none; asked only when a recipient
    // rule is met.
    using CurrentSlot = std::function<int()>;

    using Rows = std::vector<Row>;

    static CheckOutcome qMarkThisHeader(RuleTable &gridHeader, const Rows &rows, PreparedMessage &message,
                                        ReasonList &reasons, const CurrentSlot &currentSlot);
    static Rows compile(const RuleTable &gridHeader);
    static std::vector<int> compiledColumns();

    static constexpr const char *kMailBoxTag = " - MailBox #";

private:
    static void recipient(const Row &row, PreparedMessage &message, RuleScan &scan);
    static void replyTo(const Row &row, PreparedMessage &message, RuleScan &scan);
    static void senderIsRecipient(const Row &row, PreparedMessage &message, RuleScan &scan);
    static void text(const Row &row, PreparedMessage &message, RuleScan &scan);
};

} // namespace tarnwell
