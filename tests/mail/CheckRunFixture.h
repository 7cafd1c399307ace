#pragma once

#include "MailboxSetup.h"
#include "RecordingCheckPorts.h"

#include "support/RecordingPrompter.h"
#include "support/TempHome.h"
#include "support/pop3/DovecotServer.h"

#include "accounts/MailboxList.h"
#include "accounts/MailboxStore.h"
#include "mail/CheckOptions.h"
#include "mail/CheckRun.h"
#include "mail/MessageListModel.h"
#include "mail/MessageRowBuilder.h"
#include "mail/SessionState.h"
#include "platform/RegionalFormats.h"
#include "platform/SettingsStore.h"
#include "platform/pop3/Pop3Client.h"

#include <QTimer>

#include <gtest/gtest.h>

namespace tarnwell::test {

// General options as a test sets them.
struct TestCheckOptions final : CheckOptions
{
    bool automatic = false;
    bool exitWhenEmpty = false;
    bool automaticChecking() const override { return automatic; }
    bool exitWhenNoMail() const override { return exitWhenEmpty; }
};

// A check run over real parts (client, list, mailbox store in the test's home)
// with every window-side port recorded.
class CheckRunFixture : public HomeTest
{
protected:
    CheckRunFixture() { run.attach(ports.all()); }

    DovecotServer &dovecot() { return runningDovecot(); }

    // A new dovecot user with these messages, stored as mailbox `slot`.
    Pop3Account mailboxWith(int slot, const QList<QByteArray> &messages, const QString &password = QStringLiteral("pw"))
    {
        Pop3Account account = storeDovecotMailbox(*store, slot, messages, QStringLiteral("check"), password);
        reread();
        return account;
    }

    void reread() { mailboxStore.readServerSettings(mailboxes); }

    std::unique_ptr<SettingsStore> store = home.settings();
    RecordingPrompter prompter;
    RegionalFormats formats{QLocale(QLocale::English, QLocale::UnitedStates)};
    MailboxList mailboxes;
    MailboxStore mailboxStore{*store, prompter};
    Pop3Client client;
    MessageListModel list;
    SessionState state;
    TestCheckOptions options;
    QTimer tick;
    MessageRowBuilder rows{formats};
    CheckRun run{CheckRun::Parts{client, list, mailboxes, mailboxStore, state, options, tick, prompter, rows}};
    RecordingCheckPorts ports;
};

} // namespace tarnwell::test
