#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

namespace tarnwell {

// What one judgement reads of a message: the list row's columns and the header lines
// of the POP3 client's header-list entry with the same index. The texts are shared
// copies, so a judgement stays sound even if the list is emptied while a check waits.
struct MessageInput
{
    QByteArray subject;
    QByteArray sender;   // the address part of "From"
    QByteArray realName; // the display-name part of "From"
    std::optional<qint64> size; // none when the size does not read as a whole number
    QList<QByteArray> headerLines; // as listed: physical lines, then one empty line
};

} // namespace tarnwell
