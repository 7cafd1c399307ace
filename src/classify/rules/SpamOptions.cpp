#include "SpamOptions.h"

#include <limits>

namespace tarnwell {

namespace {

void bump(QString &counter)
{
    bool ok = false;
    qint64 value = counter.toLongLong(&ok);
    if (!ok)
        value = 0;
    if (value < std::numeric_limits<qint64>::max())
        ++value;
    counter = QString::number(value);
}

} // namespace

void SpamOptions::bumpUnknown()
{
    bump(unknownCount);
}

void SpamOptions::bumpNonAscii()
{
    bump(asciiCount);
}

} // namespace tarnwell
