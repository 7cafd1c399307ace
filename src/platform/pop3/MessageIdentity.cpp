#include "MessageIdentity.h"

#include "platform/pop3/Pop3Listing.h"

#include <QHash>

namespace tarnwell::MessageIdentity {

bool isFlagged(const HeaderEntry &entry)
{
    return entry.flaggedForDeletion || entry.flaggedForRetrieval;
}

Targets byUniqueId(const QList<HeaderEntry> &entries, const QList<QByteArray> &sessionIds)
{
    QHash<QByteArray, int> numberOf;
    for (int n = 0; n < sessionIds.size(); ++n)
        numberOf.insert(sessionIds.at(n), n + 1);

    Targets targets;
    targets.numbers.fill(0, entries.size());
    for (int i = 0; i < entries.size(); ++i) {
        const HeaderEntry &entry = entries.at(i);
        if (!isFlagged(entry))
            continue;
        const int number = entry.uid.isEmpty() ? 0 : numberOf.value(entry.uid, 0);
        if (number == 0) {
            targets.missing = i;
            return targets;
        }
        targets.numbers[i] = number;
    }
    return targets;
}

Targets byPosition(const QList<HeaderEntry> &entries, const QList<qint64> &sessionSizes)
{
    Targets targets;
    targets.numbers.fill(0, entries.size());
    for (int i = 0; i < entries.size(); ++i) {
        const HeaderEntry &entry = entries.at(i);
        if (!isFlagged(entry))
            continue;
        if (i >= sessionSizes.size() || sessionSizes.at(i) != entry.size) {
            targets.missing = i;
            return targets;
        }
        targets.numbers[i] = i + 1;
    }
    return targets;
}

bool sameHeader(const HeaderEntry &entry, const QList<QByteArray> &topLines)
{
    return Pop3Listing::headerLines(topLines) == entry.lines;
}

} // namespace tarnwell::MessageIdentity
