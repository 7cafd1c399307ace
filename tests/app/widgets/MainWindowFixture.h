#pragma once

#include "MailboxSetup.h"

#include "support/RecordingPrompter.h"
#include "support/TempHome.h"
#include "support/pop3/DovecotServer.h"

#include "app/ApplicationContext.h"
#include "app/widgets/DesktopSession.h"
#include "app/widgets/MainButtonPanel.h"
#include "app/widgets/MessageListView.h"
#include "app/widgets/PictureButton.h"
#include "app/widgets/TfrmMain.h"
#include "platform/DataFolder.h"
#include "platform/SettingsStore.h"

#include <gtest/gtest.h>

#include <memory>

namespace tarnwell::test {

// The desktop program's windows over a fresh home, with message boxes recorded.
class MainWindowFixture : public HomeTest
{
protected:
    ~MainWindowFixture() override { session.reset(); }

    void start()
    {
        session = std::make_unique<DesktopSession>(folder, *store, prompter,
                                                   DesktopSession::Options{.splash = false, .singleInstance = false});
        ASSERT_TRUE(session->start());
    }

    DovecotServer &dovecot() { return runningDovecot(); }

    // A new dovecot user with these messages, stored as mailbox `slot`; done before
    // start(), since the program reads the mailbox list when it starts.
    Pop3Account mailbox(int slot, const QList<QByteArray> &messages, const QString &password = QStringLiteral("pw"))
    {
        return storeDovecotMailbox(*store, slot, messages, QStringLiteral("win"), password);
    }

    TfrmMain &window() { return session->mainWindow(); }
    MainButtonPanel &buttons() { return *window().buttons(); }
    ApplicationContext &context() { return session->context(); }
    int listedRows() { return window().listView()->model()->rowCount(); }
    QString cell(int row, int column) { return window().listView()->model()->index(row, column).data().toString(); }

    DataFolder folder = home.folder();
    std::unique_ptr<SettingsStore> store = home.settings();
    RecordingPrompter prompter;
    std::unique_ptr<DesktopSession> session;
};

} // namespace tarnwell::test
