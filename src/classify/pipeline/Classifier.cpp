#include "Classifier.h"

#include "KnownSpammerCheck.h"
#include "MessageSource.h"
#include "SizeCheck.h"

#include "classify/rules/RuleTables.h"
#include "classify/rules/SpamOptions.h"

#include <optional>

namespace tarnwell {

namespace {

class DepthGuard
{
public:
    explicit DepthGuard(int &depth) : m_depth(depth) { ++m_depth; }
    ~DepthGuard() { --m_depth; }
    DepthGuard(const DepthGuard &) = delete;
    DepthGuard &operator=(const DepthGuard &) = delete;

private:
    int &m_depth;
};

} // namespace

Classifier::Classifier(const Parts &parts) : m_parts(parts) {}

Classifier::Compiled Classifier::compile()
{
    RuleTables &tables = m_parts.tables;
    return {m_whiteList.rows(tables.gridExcept), m_subjectRules.rows(tables.gridSubject),
            m_senderRules.rows(tables.gridFrom), m_headerRules.rows(tables.gridHeader)};
}

void Classifier::MarkForDeletion(int index)
{
    // A check that waits for the network lets other commands run, and one of them may
    // judge again: that nested call gets buffers of its own.
    std::optional<PreparedMessage> nested;
    PreparedMessage &message = m_depth == 0 ? m_prepared : nested.emplace();
    const DepthGuard depth(m_depth);

    // The slot is the same for every row of one call: ask once, and only if needed.
    std::optional<int> slot;
    Call call{message, compile(), [&] {
                  if (!slot)
                      slot = m_parts.currentSlot ? m_parts.currentSlot() : 0;
                  return *slot;
              }};

    if (index >= 0) {
        if (index < m_parts.messages.messageCount())
            judge(index, call);
        return;
    }
    for (int i = 0; i < m_parts.messages.messageCount(); ++i)
        judge(i, call);
}

void Classifier::judge(int index, Call &call)
{
    if (call.waited) {
        call.compiled = compile();
        call.waited = false;
    }
    MessageSource &messages = m_parts.messages;
    call.message.reset(messages.message(index));
    const Mark mark = judgedMark(messages.mark(index), call);
    // The list may have been emptied while a check waited.
    if (index < messages.messageCount())
        messages.setMark(index, mark);
}

Mark Classifier::judgedMark(Mark mark, Call &call)
{
    RuleTables &tables = m_parts.tables;
    const SpamOptions &options = m_parts.options;
    PreparedMessage &message = call.message;
    const Compiled &compiled = call.compiled;
    const bool explaining = m_reasons.explanationMode();

    if (const std::optional<Mark> friendImage =
            WhiteList::qIsInException(tables.gridExcept, *compiled.whiteList, message, m_reasons))
        return *friendImage;

    if (options.whiteListOnly) {
        m_reasons.whyAdd(true, "Sender", "not on", "white list (exceptions)", false);
        return kDeleteMark;
    }

    // A delete outcome is never weakened; outside explanation mode it ends the checks.
    const auto finished = [&](CheckOutcome outcome) {
        if (outcome.matched) {
            if (outcome.deletes)
                mark = kDeleteMark;
            else if (mark != kDeleteMark)
                mark = kQuestionMark;
        }
        return !explaining && mark == kDeleteMark;
    };

    if (finished(tooBigSmall(message.input().size, options, m_reasons))
        || finished(SubjectRules::qMarkThisSubject(tables.gridSubject, *compiled.subject, message, m_reasons))
        || finished(SenderRules::qmarkThisSender(tables.gridFrom, *compiled.sender, message, m_reasons))
        || finished(HeaderRules::qMarkThisHeader(tables.gridHeader, *compiled.header, message, m_reasons,
                                                 call.currentSlot))
        || finished(optionalCheck(options.asciiOn, m_checks.nonAscii, call))
        || finished(optionalCheck(options.validDomains, m_checks.unknownDomain, call))
        || finished(optionalCheck(options.spellOn, m_checks.subjectSpelling, call)))
        return mark;

    if (options.knownSpammers && checkKnownSpammer(m_parts.knownList, message.input().sender, m_reasons).matched
        && mark != kDeleteMark)
        mark = kBlacklistMark;
    return mark;
}

CheckOutcome Classifier::optionalCheck(bool on, MessageCheck *check, Call &call)
{
    if (!on || !check)
        return CheckOutcome::noMatch();
    call.waited = call.waited || check->mayWait();
    return check->check(call.message, m_reasons);
}

} // namespace tarnwell
