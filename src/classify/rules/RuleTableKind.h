#pragma once

#include "classify/text/Condition.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace tarnwell {

enum class RuleTableKind { Subject, Header, Sender, WhiteList };

// 6 for the rule tables, 7 for the white list.
int gridColumnCount(RuleTableKind kind);

// "subj.lst", "header.lst", "from.lst", "except.lst".
QString ruleFileName(RuleTableKind kind);

// Row 0 of a table, one text per column (image columns empty).
QList<QByteArray> gridHeadings(RuleTableKind kind);

// The column holding the row's mark or friend image, the hit count column, the
// condition column (the white list's column 1 is only evaluated by some rows).
int imageColumn(RuleTableKind kind);
int hitsColumn(RuleTableKind kind);
int conditionColumn(RuleTableKind kind);
bool isHiddenColumn(RuleTableKind kind, int column);

// Whether a table evaluates a condition at all; any other condition never matches there.
// For the header rules and the white list this covers the rows that test a condition.
bool tableEvaluates(RuleTableKind kind, Condition condition);

} // namespace tarnwell
