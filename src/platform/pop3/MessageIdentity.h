#pragma once

#include "platform/pop3/HeaderEntry.h"

#include <QList>

namespace tarnwell {

// Finds, in a later POP3 session, the very messages a listing showed. Message
// numbers are only stable within one session: when another program deleted mail
// meanwhile, entry i may no longer be message i+1. Acting on a number without this
// check could delete a message the user never marked.
namespace MessageIdentity {

struct Targets
{
    QList<int> numbers; // per entry: its message number now, 0 when not flagged
    int missing = -1;   // the first flagged entry that could not be found
};

bool isFlagged(const HeaderEntry &entry);

// By the unique ids of the listing and of the new session (UIDL).
Targets byUniqueId(const QList<HeaderEntry> &entries, const QList<QByteArray> &sessionIds);

// Without unique ids: entry i must still be message i+1 with the same size.
Targets byPosition(const QList<HeaderEntry> &entries, const QList<qint64> &sessionSizes);

// Whether a header fetched again (the lines of TOP n 0) is the one listed.
bool sameHeader(const HeaderEntry &entry, const QList<QByteArray> &topLines);

} // namespace MessageIdentity

} // namespace tarnwell
