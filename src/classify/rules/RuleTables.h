#pragma once

#include "RuleTable.h"

#include <array>

namespace tarnwell {

// The working copy of the four rule tables: the spam settings dialog shows and edits
// it, the classifier reads it, the quick-add actions append to it.
struct RuleTables
{
    RuleTable gridSubject{RuleTableKind::Subject};
    RuleTable gridHeader{RuleTableKind::Header};
    RuleTable gridFrom{RuleTableKind::Sender};
    RuleTable gridExcept{RuleTableKind::WhiteList};

    RuleTable &table(RuleTableKind kind);
    const RuleTable &table(RuleTableKind kind) const;

    // In file order: subject, header, sender, white list.
    static constexpr std::array<RuleTableKind, 4> kinds{RuleTableKind::Subject, RuleTableKind::Header,
                                                        RuleTableKind::Sender, RuleTableKind::WhiteList};

    friend bool operator==(const RuleTables &, const RuleTables &) = default;
};

} // namespace tarnwell
