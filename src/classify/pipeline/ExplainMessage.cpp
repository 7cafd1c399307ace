#include "ExplainMessage.h"

#include "Classifier.h"
#include "MessageSource.h"

namespace tarnwell {

QList<QByteArray> explainMessage(Classifier &classifier, int index)
{
    MessageSource &messages = classifier.messages();
    ReasonList &reasons = classifier.reasons();
    reasons.clear();
    if (index < 0 || index >= messages.messageCount())
        return {};

    const MessageInput message = messages.message(index);
    reasons.append("Message from " + message.sender);
    reasons.append("Subject of   " + message.subject);
    reasons.append(QByteArray());
    const qsizetype openingLines = reasons.memoWhy().size();

    const Mark noted = messages.mark(index);
    reasons.setExplanationMode(true);
    messages.setMark(index, kNoMark);
    classifier.MarkForDeletion(index);
    reasons.setExplanationMode(false);
    const bool stillListed = index < messages.messageCount();
    const Mark judged = stillListed ? messages.mark(index) : noted;

    if (reasons.memoWhy().size() == openingLines)
        reasons.append("Message was neither on the White List nor on the list of matching criteria");
    if (noted == kDeleteMark && judged != kDeleteMark)
        reasons.append("** You marked this message **");
    if (noted == kNoMark && judged != kNoMark)
        reasons.append("** You un-marked this message **");
    if (stillListed)
        messages.setMark(index, noted);
    return reasons.memoWhy();
}

} // namespace tarnwell
