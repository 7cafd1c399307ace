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

} // namespace tarnwell::test
