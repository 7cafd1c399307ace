#include "MainWindowFixture.h"
#include "ModalAnswerer.h"

#include "support/pop3/TestMessages.h"

#include "accounts/widgets/GeneralSettingsDialog.h"
#include "accounts/widgets/MailboxesPage.h"
#include "app/widgets/SettingsDropDown.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>

#include <gmock/gmock.h>

#include <ostream>

namespace tarnwell::test {

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using MainWindowTest = MainWindowFixture;

QStringList shownButtons(MainButtonPanel &panel)
{
    QStringList names;
    for (PictureButton *b : {panel.btList(), panel.btOptions(), panel.btExit(), panel.btMark(), panel.btDelete(),
                             panel.btRemark(), panel.btResetAll(), panel.btLaunch()})
        if (!b->isHidden())
            names << b->objectName();
    return names;
}

TEST_F(MainWindowTest, StartsWithItsCaptionTitleAndStatusBar)
{
    start();

    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Tarnwell"));
    EXPECT_EQ(buttons().titleLabel()->text(), QStringLiteral("Tarnwell"));
    EXPECT_EQ(buttons().tagLine()->text(), QStringLiteral("Tarnwell - eliminate junk e-mail!"));
    EXPECT_EQ(window().statusPanel1()->text(), QStringLiteral("Right click for more options, double click to mark"));
    EXPECT_EQ(window().statusPanel1()->width(), 300);
    EXPECT_EQ(window().minimumSize(), QSize(476, 70));
    EXPECT_EQ(buttons().height(), 113);
    EXPECT_EQ(buttons().btList()->size(), QSize(51, 75));
    EXPECT_EQ(buttons().btList()->property("helpContext").toInt(), 3010);
}

TEST_F(MainWindowTest, TheButtonsCarryTheirCaptions)
{
    start();
    QStringList captions;
    for (PictureButton *b : {buttons().btList(), buttons().btOptions(), buttons().btExit(), buttons().btMark(),
                             buttons().btDelete(), buttons().btRemark(), buttons().btResetAll(), buttons().btLaunch()})
        captions << b->text();
    EXPECT_THAT(captions, ElementsAre("&Check e-mail", "&Settings && Stats", "E&xit", "&Mark msgs",
                                      "&Delete marked msgs", "&Auto mark msgs", "&Reset all marks",
                                      "&Launch e-mail program"));
    EXPECT_EQ(buttons().btList()->pictureName(), QStringLiteral("check-down"));
}

TEST_F(MainWindowTest, WithAnEmptyListOnlyCheckSettingsAndExitAreVisible)
{
    mailbox(1, {});
    start();
    EXPECT_THAT(shownButtons(buttons()), ElementsAre("btList", "btOptions", "btExit"));
    EXPECT_FALSE(buttons().tagLine()->isHidden());

    window().btListClick();
    EXPECT_THAT(shownButtons(buttons()), ElementsAre("btList", "btOptions", "btExit")) << "still empty";
    EXPECT_FALSE(buttons().tagLine()->isHidden());
}

TEST_F(MainWindowTest, AListWithRowsShowsTheListButtonsInsteadOfTheTagLine)
{
    mailbox(1, testMessages(1));
    start();

    window().btListClick();

    EXPECT_THAT(shownButtons(buttons()), ElementsAre("btList", "btOptions", "btExit", "btMark", "btDelete",
                                                     "btRemark", "btResetAll", "btLaunch"));
    EXPECT_TRUE(buttons().tagLine()->isHidden());

    window().disableAllButtons();
    EXPECT_THAT(shownButtons(buttons()), ElementsAre("btList", "btOptions", "btExit"));
    EXPECT_FALSE(buttons().btList()->isEnabled());
    EXPECT_FALSE(buttons().tagLine()->isHidden());
    window().enableAllButtons();
    EXPECT_EQ(shownButtons(buttons()).size(), 8);
    EXPECT_TRUE(buttons().btList()->isEnabled());
}

struct KeyCase
{
    const char *name;
    Qt::KeyboardModifiers modifiers;
    bool checks;
};

void PrintTo(const KeyCase &c, std::ostream *os)
{
    *os << c.name;
}

class MainWindowKeyTest : public MainWindowFixture, public ::testing::WithParamInterface<KeyCase>
{
};

TEST_P(MainWindowKeyTest, OnlyAPlainCStartsACheckEvenWithAnEmptyList)
{
    const Pop3Account account = mailbox(1, testMessages(2));
    start();
    ASSERT_EQ(listedRows(), 0);
    ASSERT_TRUE(buttons().btMark()->isHidden());

    QTest::keyClick(window().listView(), Qt::Key_C, GetParam().modifiers);

    EXPECT_EQ(listedRows(), GetParam().checks ? 2 : 0);
    EXPECT_EQ(dovecot().loginCount(account.userName), GetParam().checks ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Modifiers, MainWindowKeyTest,
                         ::testing::Values(KeyCase{"Plain", Qt::NoModifier, true},
                                           KeyCase{"Shift", Qt::ShiftModifier, false},
                                           KeyCase{"Control", Qt::ControlModifier, false},
                                           KeyCase{"Alt", Qt::AltModifier, false}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, ACWithAMouseButtonHeldStartsNoCheck)
{
    const Pop3Account account = mailbox(1, testMessages(1));
    start();

    QTest::mousePress(window().listView()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClick(window().listView(), Qt::Key_C);
    QTest::mouseRelease(window().listView()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));

    EXPECT_EQ(listedRows(), 0);
    EXPECT_EQ(dovecot().loginCount(account.userName), 0);
}

TEST_F(MainWindowTest, XClosesTheWindowOutsideTrayMode)
{
    start();
    QTest::keyClick(window().listView(), Qt::Key_X);
    EXPECT_FALSE(window().isVisible());
}

TEST_F(MainWindowTest, TheExitButtonClosesTheWindowAndStoresItsShape)
{
    start();
    window().listView()->header()->resizeSection(0, 260);
    window().resize(720, 480);

    QTest::mouseClick(buttons().btExit(), Qt::LeftButton);

    EXPECT_FALSE(window().isVisible());
    EXPECT_EQ(store->integer(QStringLiteral("Column"), QStringLiteral("col1"), 0), 260);
    EXPECT_EQ(store->integer(QStringLiteral("Column"), QStringLiteral("col4"), 0), 40);
    EXPECT_EQ(store->integer({}, QStringLiteral("FormWidth"), 0), 720);
    EXPECT_EQ(store->integer({}, QStringLiteral("FormHeight"), 0), 480);
    EXPECT_EQ(store->integer({}, QStringLiteral("FormLeft"), -1), window().x());
    EXPECT_EQ(store->integer({}, QStringLiteral("FormTop"), -1), window().y());
}

QList<int> columnWidths(TfrmMain &window)
{
    QList<int> widths;
    for (int c = 0; c < 5; ++c)
        widths << window.listView()->header()->sectionSize(c);
    return widths;
}

TEST_F(MainWindowTest, WithoutStoredValuesTheColumnsAndSizeHaveTheirDefaults)
{
    start();
    EXPECT_THAT(columnWidths(window()), ElementsAre(220, 140, 120, 40, 130));
    EXPECT_EQ(window().size(), QSize(640, 440));
}

TEST_F(MainWindowTest, StoredColumnWidthsAndSizeAreRestored)
{
    const QList<int> stored = {300, 100, 90, 55, 150};
    for (int c = 0; c < 5; ++c)
        store->setInteger(QStringLiteral("Column"), QStringLiteral("col%1").arg(c + 1), stored.at(c));
    store->setInteger({}, QStringLiteral("FormWidth"), 700);
    store->setInteger({}, QStringLiteral("FormHeight"), 520);

    start();

    EXPECT_EQ(columnWidths(window()), stored);
    EXPECT_EQ(window().size(), QSize(700, 520));
}

TEST_F(MainWindowTest, TheStateImagesAreLoadedWhenTheWindowIsShown)
{
    start();
    for (int mark = 0; mark < 15; ++mark)
        EXPECT_FALSE(window().listView()->stateImages().forMark(mark).isNull()) << "B" << mark;
    EXPECT_TRUE(window().listView()->stateImages().forMark(-1).isNull());
}

TEST_F(MainWindowTest, TheListIsAMultiSelectReportThatNeverSorts)
{
    start();
    MessageListView *view = window().listView();
    EXPECT_EQ(view->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(view->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_FALSE(view->isSortingEnabled());
    EXPECT_FALSE(view->header()->sectionsClickable());
}

TEST_F(MainWindowTest, TheSettingsDropDownHoldsItsSixButtonsAndEndsAfterHelp)
{
    start();
    QTest::mouseClick(buttons().btOptions(), Qt::LeftButton);
    SettingsDropDown *dropDown = window().settingsDropDown();
    ASSERT_TRUE(dropDown->isVisible());

    QStringList captions;
    for (PictureButton *b : {dropDown->btGeneral(), dropDown->btSpamSetup(), dropDown->btStats(), dropDown->btAbout(),
                             dropDown->btBlammo(), dropDown->btHelp()}) {
        captions << b->text();
        EXPECT_EQ(b->size(), QSize(54, 64));
    }
    EXPECT_THAT(captions, ElementsAre("&General settings", "S&pam settings", "S&tats", "A&bout", "Smash it", "&Help"));
    EXPECT_EQ(dropDown->width(), dropDown->btHelp()->geometry().right() + 1 + 5);
    dropDown->hide();
}

TEST_F(MainWindowTest, HelpWithoutTheHelpFileSaysSo)
{
    start();
    QTest::mouseClick(buttons().btOptions(), Qt::LeftButton);
    QTest::mouseClick(window().settingsDropDown()->btHelp(), Qt::LeftButton);

    EXPECT_THAT(prompter.textsOf(UserPrompter::Kind::Error),
                ElementsAre(QStringLiteral("Unable to open help file - tarnwell.hlp.")));
    EXPECT_FALSE(window().settingsDropDown()->isVisible());
}

TEST_F(MainWindowTest, ACheckWithoutAnEnabledMailboxOpensTheGeneralSettings)
{
    start();
    ModalAnswerer<GeneralSettingsDialog> cancel([](GeneralSettingsDialog &dialog) { dialog.reject(); });

    QTest::keyClick(window().listView(), Qt::Key_C);

    EXPECT_THAT(prompter.textsOf(UserPrompter::Kind::Error),
                ElementsAre(QStringLiteral("At least ONE mailbox needs to be checked.")));
    EXPECT_EQ(cancel.count(), 1);
    EXPECT_EQ(listedRows(), 0);
}

TEST_F(MainWindowTest, AMailboxSetUpInTheGeneralSettingsCanBeChecked)
{
    const Pop3Account account = dovecot().addUser(dovecot().freshUserName(QStringLiteral("setup")),
                                                  QStringLiteral("pw"), testMessages(2));
    start();
    ModalAnswerer<GeneralSettingsDialog> fillIn([&](GeneralSettingsDialog &dialog) {
        MailboxesPage *page = dialog.mailboxesPage();
        page->serverEdit(3)->setText(dovecot().plainServer());
        page->mailboxEdit(3)->setText(account.userName);
        page->passwordEdit(3)->setText(QStringLiteral("pw"));
        page->preferredButton(3)->click();
        dialog.accept();
    });

    QTest::mouseClick(buttons().btOptions(), Qt::LeftButton);
    QTest::mouseClick(window().settingsDropDown()->btGeneral(), Qt::LeftButton);
    ASSERT_EQ(fillIn.count(), 1);
    EXPECT_EQ(context().state().currentMailbox, 3) << "the window takes the dialog's preferred mailbox";

    window().btListClick();

    EXPECT_THAT(prompter.texts(), IsEmpty());
    EXPECT_EQ(listedRows(), 2);
    EXPECT_EQ(context().client().userName(), account.userName);
}

TEST_F(MainWindowTest, AutomaticCheckingShowsTheCountdownInTheCaption)
{
    store->setFlag(QStringLiteral("General"), QStringLiteral("Automatic"), true);
    store->setInteger(QStringLiteral("General"), QStringLiteral("Minutes"), 1);
    start();

    EXPECT_EQ(window().windowTitle(), QStringLiteral("Tarnwell - next e-mail check in 1 minute"));
    EXPECT_EQ(buttons().titleLabel()->text(), window().windowTitle());
    EXPECT_TRUE(context().checkTick().isActive());

    window().UpdateAutomaticCaptions(false, 1);
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Tarnwell"));
    EXPECT_FALSE(context().checkTick().isActive());
}

TEST_F(MainWindowTest, TheGeneralSettingsPauseTheCheckTickAndRestoreItFromTheOptions)
{
    store->setFlag(QStringLiteral("General"), QStringLiteral("Automatic"), true);
    store->setInteger(QStringLiteral("General"), QStringLiteral("Minutes"), 4);
    start();
    bool tickDuring = true;
    ModalAnswerer<GeneralSettingsDialog> cancel([&](GeneralSettingsDialog &dialog) {
        tickDuring = context().checkTick().isActive();
        dialog.reject();
    });

    window().btGeneralClick();

    EXPECT_FALSE(tickDuring);
    EXPECT_TRUE(context().checkTick().isActive());
    EXPECT_EQ(context().state().minutesToNextCheck, 4);
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Tarnwell - next e-mail check in 4 minutes"));
}

} // namespace

} // namespace tarnwell::test
