#pragma once

#include <QByteArray>

namespace tarnwell {

// An address field's value cut into the address and the display name.
struct MailAddress
{
    QByteArray address;
    QByteArray name;
};

// With a "<": the address is the text between the first "<" and the next ">", the
// name what is left once "<" to ">" is removed (without a ">" after the "<", no
// address and the whole value as the name). Else with a "(": the address is the
// text before it, the name the text after it without its last character (the ")").
// Else the whole value is the address. Both are trimmed, lose their leading and
// trailing double quotes and are cut to 255 bytes.
MailAddress splitAddress(const QByteArray &value);

} // namespace tarnwell
