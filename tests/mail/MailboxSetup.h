#pragma once

#include <QString>

namespace tarnwell {
class SettingsStore;
}

namespace tarnwell::test {

// Stores one mailbox slot the way the Mailboxes page saves it, and marks the store
// as holding current-format passwords, as a program start does.
void storeMailbox(SettingsStore &store, int slot, const QString &server, const QString &userName,
                  const QString &password, bool check = true);

} // namespace tarnwell::test
