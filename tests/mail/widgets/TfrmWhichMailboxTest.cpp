#include "mail/widgets/TfrmWhichMailbox.h"
#include "mail/widgets/WidgetMailboxPicker.h"

#include "support/RecordingPrompter.h"

#include "accounts/MailboxList.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>

#include <ostream>

namespace tarnwell::test {

namespace {

using ::testing::ElementsAre;

class TfrmWhichMailboxTest : public ::testing::Test
{
protected:
    TfrmWhichMailboxTest()
    {
        for (const int slot : {1, 3, 10, 12})
            fill(slot);
        // Filled but not ticked: not enabled, not offered.
        fill(5);
        mailboxes.account(5).check = false;
    }

    void fill(int slot)
    {
        MailboxAccount &a = mailboxes.account(slot);
        a.server = QStringLiteral("pop%1.example.com").arg(slot);
        a.mailbox = QStringLiteral("user%1").arg(slot);
    }

    QStringList entries(const TfrmWhichMailbox &dialog) const
    {
        QStringList out;
        for (int i = 0; i < dialog.list()->count(); ++i)
            out << dialog.list()->itemText(i);
        return out;
    }

    MailboxList mailboxes;
    RecordingPrompter prompter;
};

TEST_F(TfrmWhichMailboxTest, OffersEachEnabledMailboxWithDigitsAndLetters)
{
    TfrmWhichMailbox dialog(mailboxes, 3, prompter);

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Which Mail Box?"));
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_THAT(entries(dialog), ElementsAre("1) Mailbox user1 - Server pop1.example.com",
                                             "3) Mailbox user3 - Server pop3.example.com",
                                             "a) Mailbox user10 - Server pop10.example.com",
                                             "c) Mailbox user12 - Server pop12.example.com"));
    EXPECT_EQ(dialog.list()->currentIndex(), 1) << "the current mailbox is preselected";
}

TEST_F(TfrmWhichMailboxTest, APreselectionThatIsNotOfferedSelectsNothing)
{
    for (const int preselected : {5, 7, 0}) {
        TfrmWhichMailbox dialog(mailboxes, preselected, prompter);
        EXPECT_EQ(dialog.list()->currentIndex(), -1) << preselected;
    }
}

TEST_F(TfrmWhichMailboxTest, OkWithNothingSelectedSaysSoAndStaysOpen)
{
    TfrmWhichMailbox dialog(mailboxes, 7, prompter);
    dialog.show();

    dialog.accept();

    EXPECT_THAT(prompter.textsOf(UserPrompter::Kind::Error), ElementsAre("Mailbox not selected."));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.chosenSlot(), 0);
}

TEST_F(TfrmWhichMailboxTest, OkTakesTheNumberBeforeTheParenthesis)
{
    for (const auto &[index, slot] : {std::pair{0, 1}, {1, 3}, {2, 10}, {3, 12}}) {
        TfrmWhichMailbox dialog(mailboxes, 1, prompter);
        dialog.list()->setCurrentIndex(index);
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.chosenSlot(), slot);
    }
    EXPECT_EQ(TfrmWhichMailbox::slotOfEntry(QStringLiteral("b) Mailbox x - Server y")), 11);
    EXPECT_EQ(TfrmWhichMailbox::slotOfEntry(QStringLiteral("no parenthesis")), 0);
    EXPECT_EQ(TfrmWhichMailbox::slotOfEntry(QStringLiteral("13) Mailbox x - Server y")), 0);
}

struct KeyCase
{
    const char *name;
    int preselected;
    Qt::Key key;
    bool confirms;
    int slot;
};

void PrintTo(const KeyCase &c, std::ostream *os)
{
    *os << c.name;
}

class TfrmWhichMailboxKeyTest : public TfrmWhichMailboxTest, public ::testing::WithParamInterface<KeyCase>
{
};

TEST_P(TfrmWhichMailboxKeyTest, ReleasingTheSelectedEntrysKeyConfirms)
{
    const KeyCase &c = GetParam();
    TfrmWhichMailbox dialog(mailboxes, c.preselected, prompter);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    dialog.list()->setFocus();

    // The press moves the selection to the first entry with that lead; the
    // release confirms when the selected entry begins with it.
    QTest::keyClick(dialog.list(), c.key);

    EXPECT_EQ(dialog.result() == QDialog::Accepted, c.confirms);
    EXPECT_EQ(dialog.chosenSlot(), c.confirms ? c.slot : 0);
}

INSTANTIATE_TEST_SUITE_P(Keys, TfrmWhichMailboxKeyTest,
                         ::testing::Values(KeyCase{"DigitOfAnOfferedSlot", 1, Qt::Key_3, true, 3},
                                           KeyCase{"LetterForSlotTen", 1, Qt::Key_A, true, 10},
                                           KeyCase{"LetterForSlotTwelve", 3, Qt::Key_C, true, 12},
                                           KeyCase{"DigitOfASlotNotOffered", 1, Qt::Key_2, false, 0},
                                           KeyCase{"LetterOfASlotNotOffered", 1, Qt::Key_B, false, 0},
                                           KeyCase{"OtherKey", 1, Qt::Key_D, false, 0}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(TfrmWhichMailboxTest, ThePickerReturnsTheConfirmedSlotOrNothing)
{
    WidgetMailboxPicker picker(prompter);
    const auto answer = [](bool ok) {
        QTimer::singleShot(0, [ok] {
            auto *dialog = qobject_cast<TfrmWhichMailbox *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->list()->setCurrentIndex(2);
            auto *buttons = dialog->findChild<QDialogButtonBox *>();
            buttons->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        });
    };

    answer(true);
    EXPECT_EQ(picker.pickMailbox(mailboxes, 1), std::optional<int>(10));
    answer(false);
    EXPECT_EQ(picker.pickMailbox(mailboxes, 1), std::nullopt);
}

} // namespace

} // namespace tarnwell::test
