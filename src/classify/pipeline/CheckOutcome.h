#pragma once

namespace tarnwell {

// What one check of the pipeline answers: matched or not and, when matched, whether
// it asks for the delete mark (else the question mark).
struct CheckOutcome
{
    bool matched = false;
    bool deletes = false;

    static constexpr CheckOutcome noMatch() { return {}; }
    static constexpr CheckOutcome match(bool deletes) { return {true, deletes}; }
};

} // namespace tarnwell
