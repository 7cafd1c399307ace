#include "SizeCheck.h"

#include "ReasonList.h"

#include "classify/rules/SpamOptions.h"

namespace tarnwell {

CheckOutcome tooBigSmall(std::optional<qint64> size, const SpamOptions &options, ReasonList &reasons)
{
    if (!size)
        return CheckOutcome::noMatch();
    if (options.smallerOn && *size < options.smallerLimit) {
        reasons.whyAdd(options.smallerDeletes, "Size", "smaller than", QByteArray::number(options.smallerLimit), false);
        return CheckOutcome::match(options.smallerDeletes);
    }
    if (options.largerOn && *size > options.largerLimit) {
        reasons.whyAdd(options.largerDeletes, "Size", "larger than", QByteArray::number(options.largerLimit), false);
        return CheckOutcome::match(options.largerDeletes);
    }
    return CheckOutcome::noMatch();
}

} // namespace tarnwell
