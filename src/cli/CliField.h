#pragma once

#include "platform/ByteText.h"

#include <QByteArray>
#include <QString>

namespace tarnwell {

// One value of a tab-separated output line: TAB, CR and LF inside it become
// spaces, so that every value stays in its column and every row on its line.
inline QString cliField(QString text)
{
    for (QChar &c : text) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    }
    return text;
}

inline QString cliField(const QByteArray &bytes)
{
    return cliField(displayText(bytes));
}

} // namespace tarnwell
