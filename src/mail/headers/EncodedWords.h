#pragma once

#include <QByteArray>

namespace tarnwell {

// Decodes the RFC 2047 encoded words ("=?charset?B?...?=", "=?charset?Q?...?=") of
// a header value into their bytes; the character set is not converted. White space
// between two adjacent encoded words is dropped. A word that does not decode stays
// as it stands. *decodedAny tells whether at least one word was decoded.
QByteArray decodeEncodedWords(const QByteArray &value, bool *decodedAny = nullptr);

} // namespace tarnwell
