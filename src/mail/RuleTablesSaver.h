#pragma once

namespace tarnwell {

// Saves the rule tables with the hit counts the classifier raised; called at the
// end of every check.
class RuleTablesSaver
{
public:
    virtual ~RuleTablesSaver() = default;
    virtual void saveRuleTables() = 0;
};

} // namespace tarnwell
