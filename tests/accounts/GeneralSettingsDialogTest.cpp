#include "accounts/MailboxList.h"
#include "accounts/MailboxStore.h"
#include "accounts/widgets/GeneralSettingsDialog.h"
#include "accounts/widgets/MailboxesPage.h"

#include "support/PrintTo.h"
#include "support/RecordingPrompter.h"
#include "support/TempHome.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include <gtest/gtest.h>

using namespace tarnwell;

class GeneralSettingsDialogTest : public test::HomeTest
{
protected:
    std::unique_ptr<SettingsStore> settings = home.settings();
    test::RecordingPrompter prompter;
    MailboxStore store{*settings, prompter};
    MailboxList list;
    GeneralSettingsDialog dialog{list, store};
    MailboxesPage *page = dialog.mailboxesPage();
};

TEST_F(GeneralSettingsDialogTest, ControlsAreNamedByRow)
{
    for (int slot = 1; slot <= 12; ++slot) {
        const QString n = QString::number(slot);
        EXPECT_NE(dialog.findChild<QRadioButton *>("rb" + n), nullptr);
        EXPECT_EQ(dialog.findChild<QRadioButton *>("rb" + n)->text(), "Mailbox " + n);
        EXPECT_NE(dialog.findChild<QCheckBox *>("cb" + n), nullptr);
        EXPECT_NE(dialog.findChild<QLineEdit *>("edServe" + n), nullptr);
        EXPECT_NE(dialog.findChild<QLineEdit *>("edName" + n), nullptr);
        EXPECT_EQ(dialog.findChild<QLineEdit *>("edPass" + n)->echoMode(), QLineEdit::Password);
    }
    EXPECT_EQ(dialog.windowTitle(), "General settings");
    EXPECT_EQ(dialog.pages()->tabText(0), "Mailboxes");
    EXPECT_TRUE(page->preferredButton(1)->isChecked());
}

TEST_F(GeneralSettingsDialogTest, OkSavesAndCloses)
{
    dialog.show();
    page->serverEdit(2)->setText("pop.example.net");
    page->mailboxEdit(2)->setText("bob");
    page->passwordEdit(2)->setText("pw");
    page->preferredButton(2)->setChecked(true);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(settings->text("Server", "Server2"), "pop.example.net");
    EXPECT_EQ(settings->text("Server", "Which"), "2");
    EXPECT_EQ(list.which(), 2);
}

TEST_F(GeneralSettingsDialogTest, FailedCheckKeepsTheDialogOpenOnTheMailboxesPage)
{
    QWidget other;
    dialog.pages()->addTab(&other, "Connection");
    dialog.show();
    dialog.pages()->setCurrentIndex(1);
    page->serverEdit(4)->setText("pop.d");
    page->mailboxEdit(4)->setText("dora");
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.pages()->currentWidget(), page);
    EXPECT_EQ(prompter.texts(), QStringList{"Mailbox 4 - there is no password set"});
    EXPECT_EQ(dialog.focusWidget(), page->passwordEdit(4));
    dialog.pages()->removeTab(1);
}

TEST_F(GeneralSettingsDialogTest, CancelRereadsTheStore)
{
    settings->setText("Server", "Server1", "pop.stored");
    dialog.show();
    EXPECT_EQ(page->serverEdit(1)->text(), "pop.stored");
    page->serverEdit(1)->setText("typed but not saved");
    dialog.reject();
    EXPECT_EQ(page->serverEdit(1)->text(), "pop.stored");
    EXPECT_EQ(list.account(1).server, "pop.stored");
}
