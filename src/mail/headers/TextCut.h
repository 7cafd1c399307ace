#pragma once

#include <QByteArray>

namespace tarnwell {

// The list's columns and the rules keep at most this many bytes of a header value.
constexpr qsizetype kHeaderValueLimit = 255;

// The first `limit` bytes of a value. When the value is valid UTF-8 the cut moves
// back to the start of a character, so that it still shows as the text it was.
QByteArray cutText(const QByteArray &value, qsizetype limit = kHeaderValueLimit);

} // namespace tarnwell
