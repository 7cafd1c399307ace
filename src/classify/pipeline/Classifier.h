#pragma once

#include "CompiledRules.h"
#include "HeaderRules.h"
#include "MessageCheck.h"
#include "PreparedMessage.h"
#include "ReasonList.h"
#include "SenderRules.h"
#include "SubjectRules.h"
#include "WhiteList.h"

#include "classify/rules/Mark.h"
#include "mail/MessageJudge.h"

#include <memory>

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
    // The four tables as compiled for one call; made again after a check that waited,
    // since the rules may have been edited meanwhile.
    struct Compiled
    {
        std::shared_ptr<const WhiteList::Rows> whiteList;
        std::shared_ptr<const SubjectRules::Rows> subject;
        std::shared_ptr<const SenderRules::Rows> sender;
        std::shared_ptr<const HeaderRules::Rows> header;
    };
    struct Call
    {
        PreparedMessage &message;
        Compiled compiled;
        HeaderRules::CurrentSlot currentSlot;
        bool waited = false;
    };

    Compiled compile();
    void judge(int index, Call &call);
    Mark judgedMark(Mark mark, Call &call);
    CheckOutcome optionalCheck(bool on, MessageCheck *check, Call &call);

    Parts m_parts;
    OptionalChecks m_checks;
    ReasonList m_reasons;
    CompiledRules<WhiteList> m_whiteList;
    CompiledRules<SubjectRules> m_subjectRules;
    CompiledRules<SenderRules> m_senderRules;
    CompiledRules<HeaderRules> m_headerRules;
    PreparedMessage m_prepared; // reused by every outermost call
    int m_depth = 0;
};

} // namespace tarnwell
