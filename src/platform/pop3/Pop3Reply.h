#pragma once

#include <QByteArray>
#include <QList>

namespace tarnwell {

// One complete server reply: the status line and, for a multi-line "+OK" reply,
// its lines without CR LF, dot-unstuffed, without the closing ".".
struct Pop3Reply
{
    bool ok = false;   // "+OK" rather than "-ERR"
    QByteArray status; // the whole status line as sent
    QList<QByteArray> lines;
};

} // namespace tarnwell
