#include "MailboxSetup.h"

#include "support/RecordingPrompter.h"

#include "accounts/MailboxList.h"
#include "accounts/MailboxStore.h"

#include <gtest/gtest.h>

namespace tarnwell::test {

void storeMailbox(SettingsStore &store, int slot, const QString &server, const QString &userName,
                  const QString &password, bool check)
{
    RecordingPrompter prompter;
    MailboxStore mailboxes(store, prompter);
    MailboxList list;
    mailboxes.readServerSettings(list);
    MailboxAccount &account = list.account(slot);
    account.server = server;
    account.mailbox = userName;
    account.password = password;
    account.check = check;
    EXPECT_FALSE(mailboxes.saveServerSettings(list)) << prompter.texts().join(QLatin1Char('\n')).toStdString();
    mailboxes.markCurrentFormat();
}

DovecotServer &runningDovecot()
{
    DovecotServer &server = DovecotServer::shared();
    EXPECT_TRUE(server.isRunning()) << server.errorText().toStdString();
    return server;
}

Pop3Account storeDovecotMailbox(SettingsStore &store, int slot, const QList<QByteArray> &messages,
                                const QString &prefix, const QString &password)
{
    DovecotServer &server = runningDovecot();
    const Pop3Account account = server.addUser(server.freshUserName(prefix), QStringLiteral("pw"), messages);
    storeMailbox(store, slot, server.plainServer(), account.userName, password);
    return account;
}

} // namespace tarnwell::test
