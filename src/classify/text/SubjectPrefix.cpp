#include "SubjectPrefix.h"

#include "AsciiCase.h"

#include <QByteArrayView>

namespace tarnwell {

namespace {

bool dropPrefix(QByteArrayView &text, QByteArrayView upperPrefix)
{
    if (text.size() < upperPrefix.size() || !equalIgnoringCase(text.first(upperPrefix.size()), upperPrefix))
        return false;
    text = text.sliced(upperPrefix.size());
    return true;
}

} // namespace

QByteArray stripReFwd(const QByteArray &subject)
{
    QByteArrayView rest(subject);
    bool removed = true;
    while (removed) {
        removed = false;
        // Not short-circuited: every step of a round runs on the result of the one before.
        removed |= dropPrefix(rest, "RE: ");
        removed |= dropPrefix(rest, "FWD: ");
        removed |= dropPrefix(rest, "RE:");
        removed |= dropPrefix(rest, "FWD:");
    }
    if (rest.size() == subject.size())
        return subject;
    return rest.toByteArray();
}

} // namespace tarnwell
