#pragma once

#include <QByteArray>
#include <QList>

namespace tarnwell {

// What the POP3 client keeps per waiting message after a listing. Entry i is server
// message i+1 of that listing.
struct HeaderEntry
{
    qint64 size = 0;
    // Header lines as sent (physical lines, folded continuation lines kept as their
    // own lines, no CR LF), followed by one empty line.
    QList<QByteArray> lines;
    // The server's unique id (UIDL) when it offers one, else empty.
    QByteArray uid;
    bool flaggedForDeletion = false;
    bool flaggedForRetrieval = false;
};

} // namespace tarnwell
