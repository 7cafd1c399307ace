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

void Classifier::MarkForDeletion(int index)
{
    // A check that waits for the network lets other commands run, and one of them may
    // judge again: that nested call gets buffers of its own.
    std::optional<PreparedMessage> nested;
    PreparedMessage &message = m_depth == 0 ? m_prepared : nested.emplace();
    const DepthGuard depth(m_depth);

    // The slot is the same for every row of one call: ask once, and only if needed.
    std::optional<int> slot;
    const HeaderRules::CurrentSlot currentSlot = [&] {
        if (!slot)
            slot = m_parts.currentSlot ? m_parts.currentSlot() : 0;
        return *slot;
    };

    if (index >= 0) {
        if (index < m_parts.messages.messageCount())
            judge(index, message, currentSlot);
        return;
    }
    for (int i = 0; i < m_parts.messages.messageCount(); ++i)
        judge(i, message, currentSlot);
}

void Classifier::judge(int index, PreparedMessage &message, const HeaderRules::CurrentSlot &currentSlot)
{
    MessageSource &messages = m_parts.messages;
    message.reset(messages.message(index));
    const Mark mark = judgedMark(messages.mark(index), message, currentSlot);
    // The list may have been emptied while a check waited.
    if (index < messages.messageCount())
        messages.setMark(index, mark);
}

Mark Classifier::judgedMark(Mark mark, PreparedMessage &message, const HeaderRules::CurrentSlot &currentSlot)
{
    RuleTables &tables = m_parts.tables;
    const SpamOptions &options = m_parts.options;
    const bool explaining = m_reasons.explanationMode();

    if (const std::optional<Mark> friendImage = m_whiteList.qIsInException(tables.gridExcept, message, m_reasons))
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
        || finished(m_subjectRules.qMarkThisSubject(tables.gridSubject, message, m_reasons))
        || finished(m_senderRules.qmarkThisSender(tables.gridFrom, message, m_reasons))
        || finished(m_headerRules.qMarkThisHeader(tables.gridHeader, message, m_reasons, currentSlot))
        || finished(optionalCheck(options.asciiOn, m_checks.nonAscii, message))
        || finished(optionalCheck(options.validDomains, m_checks.unknownDomain, message))
        || finished(optionalCheck(options.spellOn, m_checks.subjectSpelling, message)))
        return mark;

    if (options.knownSpammers && checkKnownSpammer(m_parts.knownList, message.input().sender, m_reasons).matched
        && mark != kDeleteMark)
        mark = kBlacklistMark;
    return mark;
}

CheckOutcome Classifier::optionalCheck(bool on, MessageCheck *check, PreparedMessage &message)
{
    if (!on || !check)
        return CheckOutcome::noMatch();
    return check->check(message, m_reasons);
}

} // namespace tarnwell
