#pragma once

#include "accounts/MailboxAccount.h"

#include <array>

namespace tarnwell {

// The twelve mailbox slots and the preferred one: the working copy that the
// Mailboxes page edits and the check run reads.
class MailboxList
{
public:
    static constexpr int kSlots = 12;

    MailboxList();

    MailboxAccount &account(int slot);             // slot 1..12
    const MailboxAccount &account(int slot) const; // slot 1..12
    static bool isSlot(int slot) { return slot >= 1 && slot <= kSlots; }

    // The preferred slot as last read or saved ("Which"); may hold a stored value
    // outside 1..12, which then selects no row.
    int which() const { return m_which; }
    void setWhich(int slot) { m_which = slot; }

    // The row selected on the page (the "Preferred" radio group), 0 for none.
    int selectedSlot() const { return m_selected; }
    void selectSlot(int slot) { m_selected = isSlot(slot) ? slot : 0; }

    int HowManyMailboxesChecked() const;
    int FirstMailboxChecked() const;
    bool CheckUserMailboxes() const;
    bool CheckForAOL() const;

    // Row 1 has a server and rows 2..12 have none.
    bool OnlyOneMailbox() const;
    // The first slot whose server and mailbox equal these, ignoring case; 0 for none.
    int serverToIndex(const QString &server, const QString &userName) const;

private:
    std::array<MailboxAccount, kSlots> m_accounts;
    int m_which = 1;
    int m_selected = 1;
};

// A text names a web-mail provider (their accounts are not POP mailboxes).
bool IsWebMailAddress(const QString &text);

} // namespace tarnwell
