#include "RuleScan.h"

#include "classify/rules/RuleTable.h"
#include "classify/text/BlankText.h"

namespace tarnwell {

int scannedRowsEnd(const RuleTable &table)
{
    int row = 1;
    while (row < table.rowCount() && !isBlankText(table.cell(row, 1)))
        ++row;
    return row;
}

} // namespace tarnwell
