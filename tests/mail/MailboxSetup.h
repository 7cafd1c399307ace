#pragma once

#include "support/pop3/DovecotServer.h"

#include <QList>
#include <QString>

namespace tarnwell {
class SettingsStore;
}

namespace tarnwell::test {

// Stores one mailbox slot the way the Mailboxes page saves it, and marks the store
// as holding current-format passwords, as a program start does.
void storeMailbox(SettingsStore &store, int slot, const QString &server, const QString &userName,
                  const QString &password, bool check = true);

// The shared loopback dovecot, failing the test when it is not running.
DovecotServer &runningDovecot();

// A new dovecot user (named from prefix) holding these messages, stored as mailbox
// `slot` with the given password (which may differ from the user's, to test a
// wrong one).
Pop3Account storeDovecotMailbox(SettingsStore &store, int slot, const QList<QByteArray> &messages,
                                const QString &prefix, const QString &password = QStringLiteral("pw"));

} // namespace tarnwell::test
