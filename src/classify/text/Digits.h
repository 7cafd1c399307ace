#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace tarnwell {

constexpr bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Digits and underscores: numeric senders like "1234_5678" count as numeric.
qsizetype countDigits(QByteArrayView text);

// The text without its digits; underscores stay.
QByteArray stripDigits(QByteArrayView text);

} // namespace tarnwell
