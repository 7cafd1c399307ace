#include "SubjectRules.h"

#include "PreparedMessage.h"
#include "RuleScan.h"

#include "classify/rules/RuleColumns.h"
#include "classify/rules/RuleTable.h"

namespace tarnwell {

std::vector<int> SubjectRules::compiledColumns()
{
    return {SubjectColumn::What, SubjectColumn::Matches, SubjectColumn::Case, SubjectColumn::Delete};
}

std::vector<SubjectRules::Row> SubjectRules::compile(const RuleTable &table)
{
    std::vector<Row> rows;
    const int end = scannedRowsEnd(table);
    for (int r = 1; r < end; ++r) {
        const Condition condition = table.condition(r);
        Row row;
        row.row = r;
        row.test = TextTest(tableEvaluates(RuleTableKind::Subject, condition) ? condition : Condition::None,
                            table.cell(r, SubjectColumn::Matches), table.isYes(r, SubjectColumn::Case));
        row.deletes = table.isYes(r, SubjectColumn::Delete);
        row.withPattern = isTextCondition(condition);
        rows.push_back(std::move(row));
    }
    return rows;
}

CheckOutcome SubjectRules::qMarkThisSubject(RuleTable &table, const Rows &rows, PreparedMessage &message,
                                            ReasonList &reasons)
{
    RuleScan scan(table, reasons);
    const FoldedText subject = message.subject();
    for (const Row &row : rows) {
        if (!row.test.holds(subject))
            continue;
        scan.match(row.row, row.deletes, [&] {
            return Reason{"Subject", conditionCellText(row.test.condition()).toByteArray(),
                          row.withPattern ? row.test.pattern() : QByteArray(), row.test.caseSensitive()};
        });
        if (scan.stopped())
            break;
    }
    return scan.outcome();
}

} // namespace tarnwell
