#pragma once

#include <QByteArray>

namespace tarnwell {

// Removes reply and forward prefixes: rounds of "RE: ", "FWD: ", "RE:", "FWD:"
// (ignoring case, each tried once per round, in that order) until a round removes
// nothing. Leading spaces are kept, so " Re: x" stays as it is.
QByteArray stripReFwd(const QByteArray &subject);

} // namespace tarnwell
