#include "MailboxList.h"

#include <QStringList>

namespace tarnwell {

MailboxList::MailboxList()
{
    for (int slot = 1; slot <= kSlots; ++slot)
        m_accounts[slot - 1].slot = slot;
}

MailboxAccount &MailboxList::account(int slot)
{
    Q_ASSERT(isSlot(slot));
    return m_accounts[slot - 1];
}

const MailboxAccount &MailboxList::account(int slot) const
{
    Q_ASSERT(isSlot(slot));
    return m_accounts[slot - 1];
}

int MailboxList::HowManyMailboxesChecked() const
{
    int count = 0;
    for (const MailboxAccount &a : m_accounts)
        count += a.isEnabled() ? 1 : 0;
    return count;
}

int MailboxList::FirstMailboxChecked() const
{
    for (const MailboxAccount &a : m_accounts)
        if (a.isEnabled())
            return a.slot;
    return 0;
}

bool MailboxList::CheckUserMailboxes() const
{
    for (const MailboxAccount &a : m_accounts)
        if (a.check && a.mailbox.contains(QLatin1Char('@')))
            return false;
    return true;
}

bool MailboxList::CheckForAOL() const
{
    // Servers of all slots first, then the mailboxes.
    for (const MailboxAccount &a : m_accounts)
        if (a.check && IsWebMailAddress(a.server))
            return true;
    for (const MailboxAccount &a : m_accounts)
        if (a.check && IsWebMailAddress(a.mailbox))
            return true;
    return false;
}

bool MailboxList::OnlyOneMailbox() const
{
    if (m_accounts[0].server.isEmpty())
        return false;
    for (int slot = 2; slot <= kSlots; ++slot)
        if (!account(slot).server.isEmpty())
            return false;
    return true;
}

int MailboxList::serverToIndex(const QString &server, const QString &userName) const
{
    for (const MailboxAccount &a : m_accounts)
        if (a.server.compare(server, Qt::CaseInsensitive) == 0
            && a.mailbox.compare(userName, Qt::CaseInsensitive) == 0)
            return a.slot;
    return 0;
}

bool IsWebMailAddress(const QString &text)
{
    // Web-mail services that offer no POP access to their free accounts.
    static const QStringList providers = {
        QStringLiteral("aol.com"),
        QStringLiteral("hotmail.com"),
        QStringLiteral("outlook.com"),
        QStringLiteral("yahoo.com"),
    };
    const QString lower = text.toLower();
    for (const QString &p : providers)
        if (lower.contains(p))
            return true;
    return false;
}

} // namespace tarnwell
