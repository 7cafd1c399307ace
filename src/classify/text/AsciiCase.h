#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace tarnwell {

// Case folding of the rule texts touches the 26 ASCII letters only; every other
// byte, accented letters and all bytes from 128 up included, is left as it is.
constexpr char upperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? char(c - ('a' - 'A')) : c;
}

constexpr char lowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c;
}

QByteArray upperCase(QByteArrayView text);
QByteArray lowerCase(QByteArrayView text);

// Byte equality after folding both sides to upper case.
bool equalIgnoringCase(QByteArrayView a, QByteArrayView b);

} // namespace tarnwell
