#include "HeaderRules.h"

#include "PreparedMessage.h"
#include "RuleScan.h"

#include "classify/rules/RuleColumns.h"
#include "classify/rules/RuleTable.h"
#include "classify/text/BlankText.h"
#include "classify/text/TextConditions.h"

namespace tarnwell {

namespace {

constexpr int kFirstSlot = 1;
constexpr int kLastSlot = 12;

bool containsIgnoringCase(QByteArrayView text, QByteArrayView part)
{
    return textContains(text, part, false);
}

// "Header" and the value in double quotes, as the recipient reasons name it.
QByteArray quotedHeader(const QByteArray &value)
{
    return "Header \"" + value + '"';
}

// Column 2 of a recipient rule: the address, " - MailBox #" and the slot number.
// A cell without the tag, without an address in front of it or without a slot
// number behind it never matches: it would stand for no mailbox of the twelve.
void readRecipient(const QByteArray &cell, HeaderRules::Row &row)
{
    const qsizetype tag = cell.lastIndexOf(HeaderRules::kMailBoxTag);
    if (tag < 0)
        return;
    bool ok = false;
    const int slot = cell.mid(tag + qsizetype(qstrlen(HeaderRules::kMailBoxTag))).trimmed().toInt(&ok);
    const QByteArray address = cell.left(tag);
    if (!ok || slot < kFirstSlot || slot > kLastSlot || isBlankText(address))
        return;
    row.form = HeaderRules::Form::Recipient;
    row.slot = slot;
    row.address = address;
}

} // namespace

std::vector<int> HeaderRules::compiledColumns()
{
    return {HeaderColumn::What, HeaderColumn::Matches, HeaderColumn::Case, HeaderColumn::Delete};
}

std::vector<HeaderRules::Row> HeaderRules::compile(const RuleTable &table)
{
    std::vector<Row> rows;
    const int end = scannedRowsEnd(table);
    for (int r = 1; r < end; ++r) {
        const QByteArray &what = table.cell(r, HeaderColumn::What);
        const QByteArray &matches = table.cell(r, HeaderColumn::Matches);
        Row row;
        row.row = r;
        row.caseNote = table.isYes(r, HeaderColumn::Case);
        row.deletes = table.isYes(r, HeaderColumn::Delete);
        if (what == "To does not contain") {
            readRecipient(matches, row);
        } else if (what == "Sender") {
            row.form = matches == "does not match Reply-to" ? Form::ReplyTo : Form::SenderIsRecipient;
        } else {
            const Condition condition = table.condition(r);
            if (tableEvaluates(RuleTableKind::Header, condition)) {
                row.form = Form::Text;
                row.test = TextTest(condition, matches, row.caseNote);
            }
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

CheckOutcome HeaderRules::qMarkThisHeader(RuleTable &table, const Rows &rows, PreparedMessage &message,
                                          ReasonList &reasons, const CurrentSlot &currentSlot)
{
    RuleScan scan(table, reasons);
    for (const Row &row : rows) {
        switch (row.form) {
        case Form::Recipient:
            if (currentSlot && row.slot == currentSlot())
                recipient(row, message, scan);
            break;
        case Form::ReplyTo:
            replyTo(row, message, scan);
            break;
        case Form::SenderIsRecipient:
            senderIsRecipient(row, message, scan);
            break;
        case Form::Text:
            text(row, message, scan);
            break;
        case Form::Never:
            break;
        }
        if (scan.stopped())
            break;
    }
    return scan.outcome();
}

void HeaderRules::recipient(const Row &row, PreparedMessage &message, RuleScan &scan)
{
    struct Test
    {
        const char *field;
        const char *condition;
    };
    static constexpr Test kTests[] = {{"To", "To does not contain"}, {"X-Rcpt-To", "X-Rctp-To does not contain"}};
    for (const Test &test : kTests) {
        const QByteArray value = message.field(test.field);
        if (isBlankText(value) || containsIgnoringCase(value, row.address))
            continue;
        const bool more = scan.match(row.row, row.deletes, [&] {
            return Reason{quotedHeader(value), test.condition, row.address, row.caseNote};
        });
        if (!more)
            return;
    }
}

void HeaderRules::replyTo(const Row &row, PreparedMessage &message, RuleScan &scan)
{
    const QByteArray replyTo = message.field("Reply-to");
    const QByteArray &from = message.fromAddress();
    if (isBlankText(replyTo) || containsIgnoringCase(replyTo, from) || containsIgnoringCase(from, replyTo))
        return;
    scan.match(row.row, row.deletes, [&] {
        return Reason{"Header", "Sender", replyTo + " does not match Reply-to " + from, row.caseNote};
    });
}

void HeaderRules::senderIsRecipient(const Row &row, PreparedMessage &message, RuleScan &scan)
{
    const QByteArray &to = message.toAddress();
    const QByteArray &from = message.fromAddress();
    if (isBlankText(to) || !(containsIgnoringCase(to, from) || containsIgnoringCase(from, to)))
        return;
    scan.match(row.row, row.deletes, [&] {
        return Reason{"Header", "Sender", to + " equals To field " + from, row.caseNote};
    });
}

void HeaderRules::text(const Row &row, PreparedMessage &message, RuleScan &scan)
{
    if (!row.test.mayOccurIn(message.linePairs()))
        return;
    for (int line = 0; line < message.examinedLineCount(); ++line) {
        if (!row.test.holds(message.foldedLine(line)))
            continue;
        const bool more = scan.match(row.row, row.deletes, [&] {
            return Reason{"Header", conditionCellText(row.test.condition()).toByteArray(), row.test.pattern(),
                          row.caseNote};
        });
        if (!more)
            return;
    }
}

} // namespace tarnwell
