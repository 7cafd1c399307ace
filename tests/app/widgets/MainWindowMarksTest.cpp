#include "MainWindowFixture.h"

#include "app/widgets/MessageListMenu.h"
#include "classify/rules/Mark.h"
#include "classify/rules/RuleColumns.h"
#include "mail/MessageListModel.h"
#include "mail/marks/MarkCommands.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <gmock/gmock.h>

namespace tarnwell::test {

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// The window with rows put straight into its list, as a listing would leave them.
class MainWindowMarksTest : public MainWindowFixture
{
protected:
    void SetUp() override { start(); }

    MessageListModel &list() { return context().list(); }

    // One row per mark, subjects "Message 1".."Message n".
    void listRows(const QList<int> &marks)
    {
        for (int i = 0; i < marks.size(); ++i) {
            MessageRow row;
            row.subject = "Message " + QByteArray::number(i + 1);
            row.sender = "sender" + QByteArray::number(i + 1) + "@example.net";
            row.mark = marks.at(i);
            list().append(row);
        }
        list().flush();
        window().enableAllButtons();
    }

    void select(const QList<int> &rows)
    {
        QItemSelectionModel *selection = window().listView()->selectionModel();
        selection->clearSelection();
        for (int row : rows)
            selection->select(list().index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    QList<int> marks()
    {
        QList<int> result;
        for (int row = 0; row < list().count(); ++row)
            result.append(list().mark(row));
        return result;
    }

    QString status() { return window().statusPanel2()->text(); }
    void releaseKey(Qt::Key key) { QTest::keyRelease(window().listView(), key); }
};

enum class Trigger { Button, DoubleClick, KeyM };

struct ToggleCase
{
    int mark;
    Trigger trigger;
};

class MarkToggleTest : public MainWindowMarksTest, public ::testing::WithParamInterface<ToggleCase>
{
protected:
    void markSelected(int row)
    {
        switch (GetParam().trigger) {
        case Trigger::Button:
            QTest::mouseClick(buttons().btMark(), Qt::LeftButton);
            break;
        case Trigger::DoubleClick: {
            const QRect rect = window().listView()->visualRect(list().index(row, 0));
            QTest::mouseDClick(window().listView()->viewport(), Qt::LeftButton, {}, rect.center());
            break;
        }
        case Trigger::KeyM:
            releaseKey(Qt::Key_M);
            break;
        }
    }
};

TEST_P(MarkToggleTest, AnyMarkBecomesTheDeleteMarkThenNoMark)
{
    listRows({kNoMark, GetParam().mark, kNoMark});
    select({1});

    markSelected(1);
    EXPECT_THAT(marks(), ElementsAre(kNoMark, kDeleteMark, kNoMark));
    EXPECT_EQ(status(), QStringLiteral("Message Total: 3 Number Marked: 1"));

    markSelected(1);
    EXPECT_THAT(marks(), ElementsAre(kNoMark, kNoMark, kNoMark));
    EXPECT_EQ(status(), QStringLiteral("Message Total: 3 Number Marked: 0"));
    EXPECT_THAT(prompter.texts(), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Marks, MarkToggleTest,
                         ::testing::Values(ToggleCase{kQuestionMark, Trigger::Button},
                                           ToggleCase{kBlacklistMark, Trigger::Button},
                                           ToggleCase{kFirstFriendImage, Trigger::Button},
                                           ToggleCase{kLastFriendImage, Trigger::Button},
                                           ToggleCase{kNoMark, Trigger::Button},
                                           ToggleCase{kQuestionMark, Trigger::DoubleClick},
                                           ToggleCase{kBlacklistMark, Trigger::DoubleClick},
                                           ToggleCase{kFirstFriendImage, Trigger::KeyM},
                                           ToggleCase{kBlacklistMark, Trigger::KeyM}));

TEST_F(MainWindowMarksTest, MarkingSeveralRowsTogglesEachAndCountsOnlyDeleteAndBlacklistMarks)
{
    listRows({kDeleteMark, kQuestionMark, kBlacklistMark, kFirstFriendImage, kNoMark, kLastFriendImage});
    select({0, 4});

    QTest::mouseClick(buttons().btMark(), Qt::LeftButton);

    EXPECT_THAT(marks(), ElementsAre(kNoMark, kQuestionMark, kBlacklistMark, kFirstFriendImage, kDeleteMark,
                                     kLastFriendImage));
    EXPECT_EQ(status(), QStringLiteral("Message Total: 6 Number Marked: 2"));
}

TEST_F(MainWindowMarksTest, ShownMarksFollowEveryChange)
{
    listRows({kNoMark, kNoMark});
    select({1});
    QSignalSpy changed(&list(), &MessageListModel::dataChanged);

    releaseKey(Qt::Key_M);

    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toModelIndex().row(), 1);
    EXPECT_EQ(list().index(1, 0).data(MessageListModel::MarkRole).toInt(), kDeleteMark);
}

TEST_F(MainWindowMarksTest, EveryMarkHasItsStateImageAndNoMarkHasNone)
{
    const StateImages &images = window().listView()->stateImages();
    ASSERT_TRUE(images.isLoaded());
    EXPECT_TRUE(images.forMark(kNoMark).isNull());
    QList<QImage> seen;
    for (int mark = kDeleteMark; mark <= kLastFriendImage; ++mark) {
        const QImage picture = images.forMark(mark).pixmap(16, 16).toImage();
        ASSERT_FALSE(picture.isNull()) << "B" << mark;
        for (int other = 0; other < seen.size(); ++other)
            EXPECT_NE(picture, seen.at(other)) << "B" << mark << " looks like B" << other;
        seen.append(picture);
    }
    EXPECT_TRUE(images.forMark(kLastFriendImage + 1).isNull());
}

TEST_F(MainWindowMarksTest, ResetClearsEveryMarkByButtonAndKey)
{
    listRows({kDeleteMark, kQuestionMark, kBlacklistMark, kLastFriendImage});

    QTest::mouseClick(buttons().btResetAll(), Qt::LeftButton);
    EXPECT_THAT(marks(), ElementsAre(kNoMark, kNoMark, kNoMark, kNoMark));
    EXPECT_EQ(status(), QStringLiteral("Message Total: 4 Number Marked: 0"));

    list().setMark(2, kBlacklistMark);
    releaseKey(Qt::Key_R);
    EXPECT_THAT(marks(), ElementsAre(kNoMark, kNoMark, kNoMark, kNoMark));
}

TEST_F(MainWindowMarksTest, ResetOnAnEmptyListReportsNoMessages)
{
    releaseKey(Qt::Key_R);

    EXPECT_EQ(status(), QStringLiteral("Message Total: 0 Number Marked: 0"));
}

TEST_F(MainWindowMarksTest, MarkingWithNothingSelectedExplainsWhatToDo)
{
    releaseKey(Qt::Key_M);
    QTest::mouseDClick(window().listView()->viewport(), Qt::LeftButton);
    ASSERT_EQ(prompter.shown().size(), 2);
    for (const RecordingPrompter::Shown &shown : prompter.shown()) {
        EXPECT_EQ(shown.kind, UserPrompter::Kind::Information);
        EXPECT_EQ(shown.text, QString::fromLatin1(MarkCommands::kNoMessagesListed));
        EXPECT_THAT(shown.text.toStdString(), HasSubstr("\"Check E-Mail\" button."));
    }

    prompter.clear();
    listRows({kQuestionMark});
    QTest::mouseClick(buttons().btMark(), Qt::LeftButton);
    EXPECT_THAT(prompter.texts(), ElementsAre(QString::fromLatin1(MarkCommands::kNothingSelected)));
    EXPECT_THAT(marks(), ElementsAre(kQuestionMark));
}

TEST_F(MainWindowMarksTest, AutoMarkClearsManualMarksAndJudgesEveryRowAgain)
{
    RuleTable &subject = context().ruleTables().gridSubject;
    subject.setCell(1, SubjectColumn::What, "Contains");
    subject.setCell(1, SubjectColumn::Matches, "Message 2");
    subject.setCell(1, SubjectColumn::Case, "No");
    subject.setCell(1, SubjectColumn::Delete, "Yes");
    subject.setCell(1, SubjectColumn::Hits, "0");
    listRows({kDeleteMark, kNoMark, kBlacklistMark});

    QTest::mouseClick(buttons().btRemark(), Qt::LeftButton);

    EXPECT_THAT(marks(), ElementsAre(kNoMark, kDeleteMark, kNoMark));
    EXPECT_EQ(status(), QStringLiteral("Message Total: 3 Number Marked: 1"));
    EXPECT_THAT(prompter.texts(), IsEmpty());
    EXPECT_EQ(subject.cell(1, SubjectColumn::Hits), "1");
}

TEST_F(MainWindowMarksTest, AutoMarkSaysSoWhenNothingMatches)
{
    listRows({kDeleteMark, kQuestionMark});

    releaseKey(Qt::Key_A);

    EXPECT_THAT(marks(), ElementsAre(kNoMark, kNoMark));
    EXPECT_THAT(prompter.textsOf(UserPrompter::Kind::Information),
                ElementsAre(QStringLiteral("None of the messages matched any of the spam criteria.")));
    EXPECT_EQ(status(), QStringLiteral("Message Total: 2 Number Marked: 0"));
}

TEST_F(MainWindowMarksTest, RightClickOpensTheMenuWithItsItemsInOrder)
{
    listRows({kNoMark});
    MessageListView *view = window().listView();
    MessageListMenu *menu = view->contextMenu();
    const QPoint at = view->visualRect(list().index(0, 0)).center();

    QContextMenuEvent click(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(view->viewport(), &click);

    EXPECT_TRUE(menu->isVisible());
    QStringList captions;
    QList<bool> enabled;
    for (const QAction *action : menu->actions()) {
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
        enabled << action->isEnabled();
    }
    EXPECT_THAT(captions, ElementsAreArray({"Why was this e-mail marked?", "-",
                                            "Add selected sender(s) domain to spam list",
                                            "Add selected message(s) to spam list", "Add country to spam list", "-",
                                            "Add selected sender(s) to exceptions list", "-",
                                            "View selected message(s) headers", "View body of one message"}));
    // Their commands arrive with the explanation viewer, the quick-add actions and
    // the message viewer.
    for (int i = 0; i < captions.size(); ++i)
        EXPECT_FALSE(enabled.at(i) && captions.at(i) != QStringLiteral("-")) << captions.at(i).toStdString();
    menu->hide();
}

} // namespace

} // namespace tarnwell::test
