#pragma once

#include <QString>

namespace tarnwell {

// One numbered POP3 mailbox slot. No field is ever trimmed: a field is empty only
// when it has no characters.
struct MailboxAccount
{
    int slot = 0;      // 1..12
    QString server;    // as typed, handed to the POP3 client unchanged
    QString mailbox;   // the user name on that server
    QString password;  // plain in memory, enciphered in the store
    bool check = true; // takes part in checking

    // Counted and offered for checking.
    bool isEnabled() const { return check && !server.isEmpty(); }
};

// What loading one account hands to the POP3 client.
struct ConnectionSettings
{
    QString server;
    QString userName;
    QString password;
};

} // namespace tarnwell
