#include "SenderRules.h"

#include "PreparedMessage.h"
#include "RuleScan.h"

#include "classify/rules/RuleColumns.h"
#include "classify/rules/RuleTable.h"

namespace tarnwell {

namespace {

// "Is UPPERCASE" and the digit conditions look at an address without its domain.
bool looksAtLocalPart(Condition condition)
{
    return condition == Condition::IsUppercase || condition == Condition::AllNumeric
           || condition == Condition::HalfNumeric || condition == Condition::FirstCharNumeric;
}

SenderRules::Part partOf(QByteArrayView what, Condition condition)
{
    if (what == QByteArrayView("E-mail address"))
        return looksAtLocalPart(condition) ? SenderRules::Part::LocalPart : SenderRules::Part::Address;
    if (what == QByteArrayView("Domain name"))
        return SenderRules::Part::Domain;
    if (what == QByteArrayView("Real name"))
        return SenderRules::Part::RealName;
    return SenderRules::Part::Nothing;
}

FoldedText textOf(SenderRules::Part part, PreparedMessage &message)
{
    switch (part) {
    case SenderRules::Part::Address:
        return message.sender();
    case SenderRules::Part::LocalPart:
        return message.senderLocalPart();
    case SenderRules::Part::Domain:
        return message.senderDomain();
    case SenderRules::Part::RealName:
        return message.realName();
    case SenderRules::Part::Nothing:
        break;
    }
    return {};
}

} // namespace

std::vector<int> SenderRules::compiledColumns()
{
    return {SenderColumn::What, SenderColumn::Condition, SenderColumn::Matches, SenderColumn::Delete};
}

std::vector<SenderRules::Row> SenderRules::compile(const RuleTable &table)
{
    std::vector<Row> rows;
    const int end = scannedRowsEnd(table);
    for (int r = 1; r < end; ++r) {
        const Condition condition = table.condition(r);
        Row row;
        row.row = r;
        row.what = table.cell(r, SenderColumn::What);
        row.part = partOf(row.what, condition);
        const bool evaluated = row.part != Part::Nothing && tableEvaluates(RuleTableKind::Sender, condition);
        row.test = TextTest(evaluated ? condition : Condition::None, table.cell(r, SenderColumn::Matches), false);
        row.deletes = table.isYes(r, SenderColumn::Delete);
        row.withPattern = isTextCondition(condition);
        rows.push_back(std::move(row));
    }
    return rows;
}

CheckOutcome SenderRules::qmarkThisSender(RuleTable &table, const Rows &rows, PreparedMessage &message,
                                          ReasonList &reasons)
{
    RuleScan scan(table, reasons);
    for (const Row &row : rows) {
        if (!row.test.canMatch() || !row.test.holds(textOf(row.part, message)))
            continue;
        scan.match(row.row, row.deletes, [&] {
            return Reason{row.what, conditionCellText(row.test.condition()).toByteArray(),
                          row.withPattern ? row.test.pattern() : QByteArray(), false};
        });
        if (scan.stopped())
            break;
    }
    return scan.outcome();
}

} // namespace tarnwell
