#pragma once

#include <QByteArray>
#include <QList>

namespace tarnwell {

// The value of a header field, looked up by name in a header-list entry's lines:
// the first line that begins with the name and a colon (any case); the text after
// the colon, trimmed; each continuation line (beginning with a space or a tab)
// appended, trimmed, after one space. For every field but "Content-Type" and
// "X-UIDL" the RFC 2047 encoded words are then decoded into bytes (after a decoded
// word every underscore of the value becomes a space) and the value is cut to 255
// bytes. An absent field gives an empty value. The lookup stops at the empty line
// that ends the header.
QByteArray headerField(const QList<QByteArray> &lines, const QByteArray &name);

} // namespace tarnwell
