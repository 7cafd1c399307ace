#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

namespace tarnwell {

// Readers of the replies that describe a maildrop. Each refuses anything that is
// not exactly what RFC 1939 prescribes for a maildrop of `count` messages, so a
// confused or hostile server cannot make the client act on the wrong message.
namespace Pop3Listing {

// "+OK nn mm" of STAT: the number of messages.
std::optional<int> messageCount(const QByteArray &statStatus);

// The lines of a multi-line LIST: "n size" for n = 1..count, in order.
std::optional<QList<qint64>> sizes(const QList<QByteArray> &lines, int count);

// The lines of a multi-line UIDL: "n uid" for n = 1..count, in order; each id
// 1..70 printable characters and no id twice.
std::optional<QList<QByteArray>> uniqueIds(const QList<QByteArray> &lines, int count);

// The header of a TOP n 1 reply: its lines up to the empty line that ends the
// header, followed by one empty line; the body line is dropped.
QList<QByteArray> headerLines(const QList<QByteArray> &topLines);

} // namespace Pop3Listing

} // namespace tarnwell
