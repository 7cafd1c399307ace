#pragma once

#include "HeaderRules.h"
#include "MessageCheck.h"
#include "PreparedMessage.h"
#include "ReasonList.h"
#include "SenderRules.h"
#include "SubjectRules.h"
#include "WhiteList.h"

#include "classify/rules/Mark.h"
#include "mail/MessageJudge.h"

namespace tarnwell {

class KnownList;
class MessageSource;
struct RuleTables;
struct SpamOptions;

// The classifier: gives every row of the message list its mark by the white list,
// the white-list-only option, the size limits, the subject, sender and header rules,
// the three optional checks and the known-spammer blacklist, in this order. It reads
// the working copies of the rule tables and options at the moment it judges, raises
// the rule rows' hit counts (except in explanation mode) and keeps no state of its
// own between calls.
class Classifier final : public MessageJudge
{
public:
    struct Parts
    {
        MessageSource &messages;
        RuleTables &tables;
        const SpamOptions &options;
        const KnownList &knownList;
        // The slot of the mailbox being checked (serverToIndex), 0 for none.
        HeaderRules::CurrentSlot currentSlot;
    };

    explicit Classifier(const Parts &parts);

    // Steps 7 to 9; absent checks never match.
    void setOptionalChecks(const OptionalChecks &checks) { m_checks = checks; }

    // Judges row index, or every row from the first to the last for a negative index.
    void MarkForDeletion(int index) override;

    MessageSource &messages() { return m_parts.messages; }
    // The reason list and explanation mode of the explanations.
    ReasonList &reasons() { return m_reasons; }

private:
    void judge(int index, PreparedMessage &message, const HeaderRules::CurrentSlot &currentSlot);
    Mark judgedMark(Mark mark, PreparedMessage &message, const HeaderRules::CurrentSlot &currentSlot);
    CheckOutcome optionalCheck(bool on, MessageCheck *check, PreparedMessage &message);

    Parts m_parts;
    OptionalChecks m_checks;
    ReasonList m_reasons;
    WhiteList m_whiteList;
    SubjectRules m_subjectRules;
    SenderRules m_senderRules;
    HeaderRules m_headerRules;
    PreparedMessage m_prepared; // reused by every outermost call
    int m_depth = 0;
};

} // namespace tarnwell
