#include "accounts/MailboxList.h"
#include "accounts/MailboxStore.h"
#include "accounts/SettingsCipher.h"

#include "support/PrintTo.h"
#include "support/RecordingPrompter.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace tarnwell;
using Kind = UserPrompter::Kind;

class MailboxStoreTest : public test::HomeTest
{
protected:
    std::unique_ptr<SettingsStore> settings = home.settings();
    test::RecordingPrompter prompter;
    MailboxStore store{*settings, prompter};

    QString stored(const QString &name) { return settings->text("Server", name); }
};

TEST_F(MailboxStoreTest, EmptyStoreReadsTwelveEmptyCheckedSlots)
{
    MailboxList list;
    list.account(4).server = "left over";
    store.readServerSettings(list);
    for (int slot = 1; slot <= 12; ++slot) {
        EXPECT_TRUE(list.account(slot).server.isEmpty());
        EXPECT_TRUE(list.account(slot).check);
    }
    EXPECT_EQ(list.which(), 1);
    EXPECT_EQ(list.selectedSlot(), 1);
    EXPECT_EQ(list.HowManyMailboxesChecked(), 0);
    EXPECT_EQ(list.FirstMailboxChecked(), 0);
}

TEST_F(MailboxStoreTest, SaveAndReadRoundTrip)
{
    MailboxList list;
    list.account(2) = {2, "pop.example.net:995", "Bob", "pw 2", false};
    list.account(11) = {11, " spaced ", "x", "p", true};
    list.selectSlot(11);
    ASSERT_FALSE(store.saveServerSettings(list));
    EXPECT_TRUE(prompter.shown().isEmpty());
    EXPECT_EQ(stored("Which"), "11");
    EXPECT_EQ(stored("Check2"), "0");
    EXPECT_EQ(stored("Passwd1"), "");
    EXPECT_NE(stored("Passwd2"), "pw 2");

    MailboxList again;
    store.readServerSettings(again);
    EXPECT_EQ(again.which(), 11);
    EXPECT_EQ(again.account(2).server, "pop.example.net:995");
    EXPECT_EQ(again.account(2).mailbox, "Bob");
    EXPECT_EQ(again.account(2).password, "pw 2");
    EXPECT_FALSE(again.account(2).check);
    EXPECT_EQ(again.account(11).server, " spaced "); // never trimmed
}

TEST_F(MailboxStoreTest, FailingSlotIsWrittenAndLaterSlotsKeepTheirStoredValues)
{
    for (int slot = 1; slot <= 12; ++slot)
        settings->setText("Server", "Server" + QString::number(slot), "old" + QString::number(slot));

    MailboxList list;
    for (int slot = 1; slot <= 12; ++slot)
        list.account(slot) = {slot, "", "", "", true};
    list.account(3) = {3, "pop.c", "carol", "pw", true};
    list.account(5) = {5, "pop.e", "", "", false}; // check flag plays no part
    list.account(8) = {8, "pop.h", "harry", "pw", true};

    const auto failure = store.saveServerSettings(list);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->slot, 5);
    EXPECT_EQ(failure->field, MailboxStore::Field::Mailbox);
    EXPECT_EQ(prompter.textsOf(Kind::Error), QStringList{"Mailbox 5 has a server pop.e but no mailbox"});
    EXPECT_EQ(stored("Server3"), "pop.c");
    EXPECT_EQ(stored("Server4"), "");
    EXPECT_EQ(stored("Server5"), "pop.e");
    for (int slot = 6; slot <= 12; ++slot)
        EXPECT_EQ(stored("Server" + QString::number(slot)), "old" + QString::number(slot));
}

TEST_F(MailboxStoreTest, EachCheckHasItsMessageAndField)
{
    struct Case
    {
        MailboxAccount account;
        QString message;
        MailboxStore::Field field;
    } cases[] = {
        {{1, "pop.a", "", "", true}, "Mailbox 1 has a server pop.a but no mailbox", MailboxStore::Field::Mailbox},
        {{9, "", "bob", "pw", true}, "Mailbox 9 bob has a blank server", MailboxStore::Field::Server},
        {{12, "pop.l", "bob", "", false}, "Mailbox 12 - there is no password set", MailboxStore::Field::Password},
    };
    for (const Case &c : cases) {
        prompter.clear();
        MailboxList list;
        list.account(c.account.slot) = c.account;
        const auto failure = store.saveServerSettings(list);
        ASSERT_TRUE(failure) << c.message.toStdString();
        EXPECT_EQ(failure->slot, c.account.slot);
        EXPECT_EQ(failure->field, c.field);
        EXPECT_EQ(prompter.texts(), QStringList{c.message});
    }
}

TEST_F(MailboxStoreTest, WhichOutsideTheSlotsLeavesTheSelectionAndSavesAsSelected)
{
    for (const int which : {0, 13}) {
        settings->setInteger("Server", "Which", which);
        MailboxList list;
        list.selectSlot(4);
        store.readServerSettings(list);
        EXPECT_EQ(list.which(), which);
        EXPECT_EQ(list.selectedSlot(), 4);
    }
    MailboxList none;
    none.selectSlot(0);
    ASSERT_FALSE(store.saveServerSettings(none));
    EXPECT_EQ(stored("Which"), "0");
}

TEST_F(MailboxStoreTest, FreshStoreGetsTheMarkerSilentlyAndLoadsNothingTheFirstTime)
{
    settings->setText("Server", "Server2", "pop.b");
    settings->setText("Server", "Mailbox2", "bob");
    settings->setText("Server", "Passwd3", SettingsCipher::encipher("kept"));

    EXPECT_FALSE(store.GetRemotePOPSettings(2));
    EXPECT_TRUE(prompter.shown().isEmpty());
    EXPECT_EQ(stored("Version161"), "161");
    EXPECT_NE(stored("Passwd3"), ""); // other slots' passwords are kept

    const auto loaded = store.GetRemotePOPSettings(3);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->password, "kept");
}

TEST_F(MailboxStoreTest, OlderPasswordsAreErasedOnceWithTheWarning)
{
    for (int slot = 1; slot <= 12; ++slot)
        settings->setText("Server", "Passwd" + QString::number(slot), "OLDFORMAT");
    settings->setText("Server", "Server1", "pop.a");
    settings->setText("Server", "Mailbox1", "al");
    bool splashHidden = false;

    EXPECT_FALSE(store.GetRemotePOPSettings(1, [&] { splashHidden = true; }));
    EXPECT_TRUE(splashHidden);
    EXPECT_EQ(prompter.textsOf(Kind::Warning),
              QStringList{"Warning: You will have to re-enter your passwords for all of your mailboxes!  "
                          "Sorry for the inconvenience."});
    for (int slot = 1; slot <= 12; ++slot)
        EXPECT_EQ(stored("Passwd" + QString::number(slot)), "");
    EXPECT_EQ(stored("Server1"), "pop.a"); // servers and mailboxes are never erased

    prompter.clear();
    const auto loaded = store.GetRemotePOPSettings(1);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->server, "pop.a");
    EXPECT_EQ(loaded->userName, "al");
    EXPECT_EQ(loaded->password, "");
    EXPECT_TRUE(prompter.shown().isEmpty());
}

TEST_F(MailboxStoreTest, LoadedAccountNeverCarriesAnotherSlotsPassword)
{
    store.markCurrentFormat();
    settings->setText("Server", "Passwd1", SettingsCipher::encipher("one"));
    ASSERT_EQ(store.GetRemotePOPSettings(1)->password, "one");
    EXPECT_EQ(store.GetRemotePOPSettings(2)->password, "");
}
