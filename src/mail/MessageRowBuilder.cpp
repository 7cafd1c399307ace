#include "MessageRowBuilder.h"

#include "mail/headers/AddressSplit.h"
#include "mail/headers/HeaderField.h"
#include "mail/headers/MailDate.h"
#include "platform/pop3/HeaderEntry.h"

namespace tarnwell {

MessageRow MessageRowBuilder::build(const HeaderEntry &entry) const
{
    MessageRow row;
    row.subject = headerField(entry.lines, QByteArrayLiteral("Subject"));
    const MailAddress from = splitAddress(headerField(entry.lines, QByteArrayLiteral("From")));
    row.sender = from.address;
    row.realName = from.name;
    row.size = entry.size;
    row.date = dateColumn(headerField(entry.lines, QByteArrayLiteral("Date")), m_formats);
    return row;
}

} // namespace tarnwell
