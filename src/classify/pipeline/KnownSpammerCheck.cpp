#include "KnownSpammerCheck.h"

#include "ReasonList.h"

#include "classify/rules/KnownList.h"

namespace tarnwell {

CheckOutcome checkKnownSpammer(const KnownList &knownList, QByteArrayView senderAddress, ReasonList &reasons)
{
    const std::optional<KnownList::Match> match = knownList.isInKnownList(senderAddress);
    if (!match)
        return CheckOutcome::noMatch();
    if (reasons.explanationMode()) {
        const QByteArray text =
            '"' + match->entry + "\" is on the KNOWN SPAMMER BLACKLIST (you may edit if this is in error)";
        reasons.whyAdd(true, match->kindText().toLatin1(), text, {}, false);
    }
    return CheckOutcome::match(true);
}

} // namespace tarnwell
