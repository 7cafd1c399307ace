#pragma once

#include "classify/rules/Mark.h"

#include <QByteArray>
#include <QString>

namespace tarnwell {

// One waiting message of the current mailbox, as the list shows it. Header values
// stay bytes: the classifier matches bytes, the window only displays them.
struct MessageRow
{
    QByteArray subject;
    QByteArray sender;   // the address part of "From"
    QByteArray realName; // the display-name part of "From"
    qint64 size = 0;
    QByteArray date;     // formatted, or the "Date" value as it came
    Mark mark = kNoMark;
};

} // namespace tarnwell
