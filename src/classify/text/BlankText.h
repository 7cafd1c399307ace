#pragma once

#include <QByteArrayView>

namespace tarnwell {

// Space, CR, LF and backspace count as blank; TAB does not.
constexpr bool isBlankChar(char c)
{
    return c == ' ' || c == '\r' || c == '\n' || c == '\b';
}

// Empty, or made of blank characters only. Every emptiness test of the program uses it.
bool isBlankText(QByteArrayView text);

} // namespace tarnwell
