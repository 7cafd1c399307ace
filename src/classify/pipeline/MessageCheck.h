#pragma once

#include "CheckOutcome.h"

namespace tarnwell {

class PreparedMessage;
class ReasonList;

// A check of the pipeline that is not a rule table: non-English characters
// (CheckNonAscii), the unknown domain (CheckDomain) and the subject spelling
// (checkSubjectSpelling). The classifier calls each at its step, only while its
// option is on; the check records its own reason when it matches and reads the
// options that choose its mark itself.
class MessageCheck
{
public:
    virtual ~MessageCheck() = default;
    virtual CheckOutcome check(PreparedMessage &message, ReasonList &reasons) = 0;
    // Whether the check runs the event loop while it works (a lookup on the network),
    // so that other commands, rule edits among them, may run meanwhile.
    virtual bool mayWait() const { return false; }
};

// The checks plugged into steps 7, 8 and 9; an absent one never matches.
struct OptionalChecks
{
    MessageCheck *nonAscii = nullptr;        // "Ascii"/"QMonitor"
    MessageCheck *unknownDomain = nullptr;   // "Known"/"Valid"
    MessageCheck *subjectSpelling = nullptr; // "Spell"/"QSpell"
};

} // namespace tarnwell
