#pragma once

#include "CheckOutcome.h"

#include <QByteArrayView>

namespace tarnwell {

class KnownList;
class ReasonList;

// The known-spammer blacklist step: the sender address, then its domain, looked up
// with isInKnownList. A match always asks for deletion; the blacklist keeps no hit counts.
CheckOutcome checkKnownSpammer(const KnownList &knownList, QByteArrayView senderAddress, ReasonList &reasons);

} // namespace tarnwell
