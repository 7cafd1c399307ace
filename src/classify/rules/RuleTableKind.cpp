#include "RuleTableKind.h"

#include "RuleColumns.h"

namespace tarnwell {

int gridColumnCount(RuleTableKind kind)
{
    return kind == RuleTableKind::WhiteList ? 7 : 6;
}

QString ruleFileName(RuleTableKind kind)
{
    switch (kind) {
    case RuleTableKind::Subject:
        return QStringLiteral("subj.lst");
    case RuleTableKind::Header:
        return QStringLiteral("header.lst");
    case RuleTableKind::Sender:
        return QStringLiteral("from.lst");
    case RuleTableKind::WhiteList:
        break;
    }
    return QStringLiteral("except.lst");
}

QList<QByteArray> gridHeadings(RuleTableKind kind)
{
    switch (kind) {
    case RuleTableKind::Subject:
    case RuleTableKind::Header:
        return {"", "What", "Matches", "Case", "Del?", "Hits"};
    case RuleTableKind::Sender:
        return {"", "What", "Condition", "Matches", "Del?", "Hits"};
    case RuleTableKind::WhiteList:
        break;
    }
    return {"What", "Condition", "Matches", "Case?", "Hits", "", ""};
}

int imageColumn(RuleTableKind kind)
{
    return kind == RuleTableKind::WhiteList ? WhiteListColumn::Image : SubjectColumn::Image;
}

int hitsColumn(RuleTableKind kind)
{
    return kind == RuleTableKind::WhiteList ? WhiteListColumn::Hits : SubjectColumn::Hits;
}

int conditionColumn(RuleTableKind kind)
{
    switch (kind) {
    case RuleTableKind::Subject:
    case RuleTableKind::Header:
        return SubjectColumn::What;
    case RuleTableKind::Sender:
        return SenderColumn::Condition;
    case RuleTableKind::WhiteList:
        break;
    }
    return WhiteListColumn::Condition;
}

bool isHiddenColumn(RuleTableKind kind, int column)
{
    return kind == RuleTableKind::WhiteList && column == WhiteListColumn::ImageNumber;
}

bool tableEvaluates(RuleTableKind kind, Condition condition)
{
    if (isTextCondition(condition))
        return true;
    switch (kind) {
    case RuleTableKind::Subject:
        return condition == Condition::IsBlank || condition == Condition::IsUppercase
               || condition == Condition::ThreeSpaces;
    case RuleTableKind::Sender:
        return condition == Condition::IsBlank || condition == Condition::IsUppercase
               || condition == Condition::AllNumeric || condition == Condition::HalfNumeric
               || condition == Condition::FirstCharNumeric;
    case RuleTableKind::Header:
    case RuleTableKind::WhiteList:
        break;
    }
    return false;
}

} // namespace tarnwell
