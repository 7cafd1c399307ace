#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace tarnwell {

// The domain a sender rule or quick-add judges: the part after the first at sign,
// with its first label dropped when it has two dots or more ("mail.example.com" gives
// "example.com", "shop.co.uk" gives "co.uk"). Without an at sign the address itself.
QByteArray senderDomain(QByteArrayView address);

// A dot and what follows it, when a dot is among the last three characters
// (".uk" for "x@y.co.uk"); empty otherwise (".com" endings have none).
QByteArray countrySuffix(QByteArrayView address);

} // namespace tarnwell
