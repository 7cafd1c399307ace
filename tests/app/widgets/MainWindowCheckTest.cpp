#include "MainWindowFixture.h"
#include "ModalAnswerer.h"

#include "support/pop3/ScriptedPop3Server.h"
#include "support/pop3/TestMessages.h"

#include "mail/headers/MailDate.h"
#include "mail/widgets/TfrmRetrieving.h"
#include "mail/widgets/TfrmWhichMailbox.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gmock/gmock.h>

#include <functional>

namespace tarnwell::test {

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

using MainWindowCheckTest = MainWindowFixture;

TEST_F(MainWindowCheckTest, OneEnabledMailboxFillsTheListWithoutAskingWhich)
{
    mailbox(1, testMessages(2));
    start();
    ModalAnswerer<QDialog> anyDialog([](QDialog &dialog) { dialog.reject(); });

    QTest::mouseClick(buttons().btList(), Qt::LeftButton);

    EXPECT_EQ(anyDialog.count(), 0) << "no picker for a single mailbox";
    EXPECT_THAT(prompter.texts(), IsEmpty());
    ASSERT_EQ(listedRows(), 2);
    const QString date = QString::fromUtf8(dateColumn("Tue, 5 Mar 2024 14:03:09 +0100", context().formats()));
    for (int row = 0; row < 2; ++row) {
        const QString n = QString::number(row + 1);
        EXPECT_EQ(cell(row, 0), QStringLiteral("Message ") + n);
        EXPECT_EQ(cell(row, 1), QStringLiteral("sender%1@example.net").arg(n));
        EXPECT_EQ(cell(row, 2), QStringLiteral("Sender ") + n);
        EXPECT_EQ(cell(row, 3), QString::number(DovecotServer::wireSize(testMessage(row + 1))));
        EXPECT_EQ(cell(row, 4), date);
    }
    QStringList headings;
    for (int c = 0; c < 5; ++c)
        headings << window().listView()->model()->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headings, QStringList({"Subject", "Sender", "Real name", "Size", "Date"}));

    EXPECT_EQ(window().statusPanel2()->text(), QStringLiteral("Message Total: 2 Number Marked: 0"));
    EXPECT_EQ(buttons().btExit()->text(), QStringLiteral("E&xit"));
    EXPECT_EQ(buttons().btList()->pictureName(), QStringLiteral("check-up"));
    EXPECT_FALSE(session->progress().isVisible());
    EXPECT_TRUE(buttons().btList()->isEnabled());
}

TEST_F(MainWindowCheckTest, TheWindowIsBusyWhileTheListingRuns)
{
    mailbox(1, testMessages(2));
    start();
    bool checked = false;
    QObject::connect(&context().client(), &Pop3Client::OnNextInfoUpdated, &window(), [&](int index) {
        if (index != 0)
            return;
        checked = true;
        EXPECT_EQ(buttons().btExit()->text(), QStringLiteral("Cancel"));
        EXPECT_EQ(buttons().btExit()->pictureName(), QStringLiteral("stop"));
        EXPECT_FALSE(buttons().btList()->isEnabled());
        EXPECT_FALSE(buttons().btOptions()->isEnabled());
        EXPECT_TRUE(buttons().btMark()->isHidden());
        EXPECT_TRUE(session->progress().isVisible());
        EXPECT_EQ(session->progress().serverLine()->text(), dovecot().plainServer());
        EXPECT_TRUE(context().state().checkInProgress);
    });

    window().btListClick();

    EXPECT_TRUE(checked);
    EXPECT_FALSE(context().state().checkInProgress);
    EXPECT_EQ(buttons().btExit()->pictureName(), QStringLiteral("door-exit"));
}

TEST_F(MainWindowCheckTest, WithTwoMailboxesThePickerOpensAndItsCancelLeavesTheList)
{
    mailbox(1, testMessages(1));
    mailbox(2, testMessages(3));
    start();
    {
        ModalAnswerer<TfrmWhichMailbox> pickSecond([](TfrmWhichMailbox &picker) {
            picker.list()->setCurrentIndex(1);
            picker.accept();
        });
        window().btListClick();
        ASSERT_EQ(pickSecond.count(), 1);
    }
    ASSERT_EQ(listedRows(), 3);

    ModalAnswerer<TfrmWhichMailbox> cancel([](TfrmWhichMailbox &picker) {
        EXPECT_EQ(picker.list()->currentIndex(), 1) << "the current mailbox is preselected";
        picker.reject();
    });
    window().btListClick();

    EXPECT_EQ(cancel.count(), 1);
    ASSERT_EQ(listedRows(), 3);
    EXPECT_EQ(cell(2, 0), QStringLiteral("Message 3"));
    EXPECT_THAT(prompter.texts(), IsEmpty());
}

TEST_F(MainWindowCheckTest, MailboxTenIsOfferedWithTheLetterAAndLoadsSlotTen)
{
    const Pop3Account first = mailbox(1, testMessages(1));
    const Pop3Account tenth = mailbox(10, testMessages(4));
    start();
    QStringList offered;
    ModalAnswerer<TfrmWhichMailbox> pressA([&](TfrmWhichMailbox &picker) {
        for (int i = 0; i < picker.list()->count(); ++i)
            offered << picker.list()->itemText(i);
        picker.list()->setFocus();
        QTest::keyClick(picker.list(), Qt::Key_A);
    });

    window().btListClick();

    const QString server = dovecot().plainServer();
    EXPECT_THAT(offered, ElementsAre(QStringLiteral("1) Mailbox %1 - Server %2").arg(first.userName, server),
                                     QStringLiteral("a) Mailbox %1 - Server %2").arg(tenth.userName, server)));
    EXPECT_EQ(listedRows(), 4);
    EXPECT_EQ(context().state().currentMailbox, 10);
    EXPECT_EQ(context().client().userName(), tenth.userName);
}

TEST_F(MainWindowCheckTest, AWrongPasswordShowsTheMailboxMessageWithTheServersReply)
{
    const Pop3Account account = mailbox(1, testMessages(1), QStringLiteral("not the password"));
    start();

    window().btListClick();

    const QStringList errors = prompter.textsOf(UserPrompter::Kind::Error);
    ASSERT_EQ(errors.size(), 1);
    const QString reply = context().client().lastFailure().text;
    EXPECT_THAT(reply.toStdString(), HasSubstr("Authentication failed"));
    EXPECT_EQ(errors.first(),
              QLatin1Char('"') + reply + QStringLiteral("\"  Unable to connect to your mailbox - \"") + account.userName
                  + QStringLiteral("\".  Either your UserName/Mailbox or Password is incorrect.  "
                                   "Go to the General Settings screen to correct your mailbox or password."));
    EXPECT_EQ(listedRows(), 0);
    EXPECT_EQ(buttons().btExit()->text(), QStringLiteral("E&xit"));
    EXPECT_FALSE(session->progress().isVisible());
}

TEST_F(MainWindowCheckTest, AnUnresolvableHostShowsThePopServerMessage)
{
    storeMailbox(*store, 1, QStringLiteral("no.such.host.invalid"), QStringLiteral("joe"), QStringLiteral("pw"));
    start();

    window().btListClick();

    EXPECT_THAT(prompter.textsOf(UserPrompter::Kind::Error),
                ElementsAre(QStringLiteral(
                    "\"Error resolving remote host\"  Unable to connect to your remote POP Server - "
                    "\"no.such.host.invalid\".  Your remote POP server is either unavailable or incorrectly "
                    "specified.  Go to the General Settings screen to correct the POP server.")));
}

// A mailbox whose listing stalls after the first message.
class MainWindowStallTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(scripted.listen());
        scripted.setMessages(testMessages(3));
        scripted.script("TOP 2", ScriptedPop3Server::Action::stall());
        storeMailbox(*store, 1, scripted.server(), QString::fromLatin1(ScriptedPop3Server::userName()),
                     QString::fromLatin1(ScriptedPop3Server::password()));
    }

    ScriptedPop3Server scripted;

    // Runs `then` shortly after the first header is in, while the listing waits.
    void afterFirstHeader(std::function<void()> then)
    {
        QObject::connect(&context().client(), &Pop3Client::OnNextInfoUpdated, &window(), [this, then](int index) {
            if (index == 0)
                QTimer::singleShot(100, &window(), then);
        });
    }
};

// Cancel from the exit button, which reads "Cancel" then, or from the progress dialog.
class MainWindowCancelTest : public MainWindowStallTest, public ::testing::WithParamInterface<bool>
{
};

TEST_P(MainWindowCancelTest, EmptiesTheListAndShowsThatItWasCanceled)
{
    const bool fromExitButton = GetParam();
    start();
    int rowsBeforeCancel = -1;
    afterFirstHeader([&] {
        rowsBeforeCancel = context().list().count();
        if (fromExitButton) {
            EXPECT_EQ(buttons().btExit()->text(), QStringLiteral("Cancel"));
            QTest::mouseClick(buttons().btExit(), Qt::LeftButton);
        } else {
            QTest::mouseClick(session->progress().cancelButton(), Qt::LeftButton);
        }
    });

    window().btListClick();

    EXPECT_EQ(rowsBeforeCancel, 1);
    EXPECT_EQ(listedRows(), 0);
    EXPECT_EQ(context().list().count(), 0);
    EXPECT_THAT(prompter.textsOf(UserPrompter::Kind::Error), ElementsAre(QStringLiteral("Operation has been canceled")));
    EXPECT_EQ(buttons().btExit()->text(), QStringLiteral("E&xit"));
    EXPECT_FALSE(session->progress().isVisible());
    EXPECT_TRUE(window().isVisible());
}

INSTANTIATE_TEST_SUITE_P(Routes, MainWindowCancelTest, ::testing::Values(true, false),
                         [](const auto &info) { return info.param ? "ExitButton" : "ProgressDialog"; });

TEST_F(MainWindowStallTest, ClosingTheWindowDuringACheckEndsItWithoutAMessage)
{
    start();
    afterFirstHeader([&] { window().close(); });

    window().btListClick();

    EXPECT_THAT(prompter.texts(), IsEmpty());
    EXPECT_FALSE(window().isVisible());
    EXPECT_FALSE(session->progress().isVisible());
    EXPECT_FALSE(context().client().IsConnected());
}

TEST_F(MainWindowCheckTest, AnEmptyManualCheckWithExitAfterCheckingClosesTheWindow)
{
    mailbox(1, {});
    store->setFlag(QStringLiteral("General"), QStringLiteral("Exit"), true);
    start();
    ASSERT_TRUE(window().isVisible());

    window().btListClick();

    EXPECT_FALSE(window().isVisible());
    EXPECT_TRUE(store->value(QStringLiteral("Column"), QStringLiteral("col1")).has_value())
        << "closing stored the column widths";
}

TEST_F(MainWindowCheckTest, ExitAfterCheckingWaitsWhileMailIsWaiting)
{
    mailbox(1, testMessages(1));
    store->setFlag(QStringLiteral("General"), QStringLiteral("Exit"), true);
    start();

    window().btListClick();

    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(listedRows(), 1);
}

} // namespace

} // namespace tarnwell::test
