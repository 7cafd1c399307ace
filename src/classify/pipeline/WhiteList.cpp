#include "WhiteList.h"

#include "PreparedMessage.h"
#include "ReasonList.h"

#include "classify/rules/RuleColumns.h"
#include "classify/rules/RuleTable.h"
#include "classify/rules/RuleTableEdits.h"
#include "classify/text/AsciiCase.h"
#include "classify/text/BlankText.h"

namespace tarnwell {

namespace {

struct AddressForm
{
    QByteArrayView what;
    WhiteList::Form form;
    Condition condition;
};

// These rows compare column 2 alone: column 1 is written as "Equals" but not used.
constexpr AddressForm kAddressForms[] = {
    {"Domain name", WhiteList::Form::DomainName, Condition::EndsWith},
    {"E-mail address", WhiteList::Form::EmailAddress, Condition::StartsWith},
    {"Real name", WhiteList::Form::RealName, Condition::StartsWith},
};

constexpr QByteArrayView kEquals = "Equals";

} // namespace

std::vector<int> WhiteList::compiledColumns()
{
    return {WhiteListColumn::What, WhiteListColumn::Condition, WhiteListColumn::Matches, WhiteListColumn::Case,
            WhiteListColumn::ImageNumber};
}

std::vector<WhiteList::Row> WhiteList::compile(const RuleTable &table)
{
    std::vector<Row> rows;
    for (int r = 1; r < table.rowCount(); ++r) {
        const QByteArray &what = table.cell(r, WhiteListColumn::What);
        if (isBlankText(what))
            continue;
        Row row;
        row.row = r;
        row.what = what;
        row.image = friendImage(table, r);
        const QByteArray &matches = table.cell(r, WhiteListColumn::Matches);
        bool addressForm = false;
        for (const AddressForm &f : kAddressForms) {
            if (what == f.what) {
                row.form = f.form;
                row.test = TextTest(f.condition, matches, false);
                addressForm = true;
            }
        }
        if (!addressForm) {
            if (what == "Subject") {
                row.form = Form::Subject;
            } else if (what == "Any Header") {
                row.form = Form::AnyHeader;
            } else {
                row.form = Form::Field;
                row.fieldName = what.endsWith(':') ? what.chopped(1) : what;
            }
            const Condition condition = table.condition(r);
            row.test = TextTest(tableEvaluates(RuleTableKind::WhiteList, condition) ? condition : Condition::None,
                                matches, table.isYes(r, WhiteListColumn::Case));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::optional<Mark> WhiteList::qIsInException(RuleTable &table, const Rows &rows, PreparedMessage &message,
                                               ReasonList &reasons)
{
    for (const Row &row : rows) {
        if (matches(row, message, reasons)) {
            BumpUpGrid(table, row.row, reasons.explanationMode());
            return row.image;
        }
    }
    return std::nullopt;
}

bool WhiteList::matches(const Row &row, PreparedMessage &message, ReasonList &reasons)
{
    const TextTest &test = row.test;
    const QByteArrayView condition = conditionCellText(test.condition());
    switch (row.form) {
    case Form::DomainName:
    case Form::EmailAddress:
    case Form::RealName: {
        const FoldedText text = row.form == Form::RealName ? message.realName() : message.sender();
        if (!test.holds(text))
            return false;
        reasons.whyExcept(row.what, kEquals, false, test.pattern());
        return true;
    }
    case Form::Subject:
        if (!test.holds(message.subject()))
            return false;
        reasons.whyExcept(row.what, condition, test.caseSensitive(), test.pattern());
        return true;
    case Form::AnyHeader: {
        if (!test.canMatch() || !test.mayOccurIn(message.linePairs()))
            return false;
        bool matched = false;
        for (int line = 0; line < message.examinedLineCount(); ++line) {
            if (!test.holds(message.foldedLine(line)))
                continue;
            matched = true;
            if (!reasons.explanationMode())
                break;
            reasons.whyExcept("Any Header " + message.line(line).toByteArray(), condition, test.caseSensitive(),
                              test.pattern());
        }
        return matched;
    }
    case Form::Field: {
        if (!test.canMatch())
            return false;
        const QByteArray value = message.field(row.fieldName);
        if (!test.holds(FoldedText{value, upperCase(value)}))
            return false;
        reasons.whyExcept(row.what + ' ' + value, condition, test.caseSensitive(), test.pattern());
        return true;
    }
    }
    return false;
}

} // namespace tarnwell
