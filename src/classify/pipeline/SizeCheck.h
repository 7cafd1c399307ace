#pragma once

#include "CheckOutcome.h"

#include <QtGlobal>

#include <optional>

namespace tarnwell {

class ReasonList;
struct SpamOptions;

// The size limits (tooBigSmall): strictly smaller than the lower limit, else strictly
// larger than the upper one, each only while its option is on. A size that is not
// a number is not judged.
CheckOutcome tooBigSmall(std::optional<qint64> size, const SpamOptions &options, ReasonList &reasons);

} // namespace tarnwell
