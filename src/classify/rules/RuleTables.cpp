#include "RuleTables.h"

namespace tarnwell {

RuleTable &RuleTables::table(RuleTableKind kind)
{
    return const_cast<RuleTable &>(std::as_const(*this).table(kind));
}

const RuleTable &RuleTables::table(RuleTableKind kind) const
{
    switch (kind) {
    case RuleTableKind::Subject:
        return gridSubject;
    case RuleTableKind::Header:
        return gridHeader;
    case RuleTableKind::Sender:
        return gridFrom;
    case RuleTableKind::WhiteList:
        break;
    }
    return gridExcept;
}

} // namespace tarnwell
