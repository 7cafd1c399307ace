#pragma once

#include "platform/pop3/Pop3Client.h"

#include <QString>

namespace tarnwell {

// The error text of a failed listing, worded by how it failed: a cancel as it is,
// a network failure as a POP server problem, anything else as a mailbox problem.
QString CheckFailureMessage(const Pop3Failure &failure, const QString &server, const QString &userName);

} // namespace tarnwell
