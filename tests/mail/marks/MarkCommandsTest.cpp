#include "mail/marks/MarkCommands.h"
#include "mail/marks/MarkCommandsWindow.h"
#include "mail/marks/MessageListSource.h"

#include "classify/pipeline/Classifier.h"
#include "classify/rules/KnownList.h"
#include "classify/rules/RuleTableEdits.h"
#include "classify/rules/RuleTables.h"
#include "classify/rules/SpamOptions.h"
#include "mail/MessageListModel.h"
#include "platform/pop3/HeaderEntry.h"

#include "support/PrintTo.h"
#include "support/RecordingPrompter.h"
#include "support/TempHome.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace tarnwell;

namespace {

class RecordingWindow final : public MarkCommandsWindow
{
public:
    void stopAlarm() override { calls.append(QStringLiteral("stopAlarm")); }
    void showStatus(const QString &text) override { calls.append(QStringLiteral("status ") + text); }
    QStringList calls;
};

// The mark commands over a real message list, judged by the real classifier
// through the list and a header list, as the window has them.
class MarkCommandsTest : public test::HomeTest
{
protected:
    void addMessage(const QByteArray &sender, const QByteArray &subject, Mark mark = kNoMark)
    {
        MessageRow row;
        row.sender = sender;
        row.subject = subject;
        row.size = 1000;
        row.mark = mark;
        list.append(row);
        HeaderEntry entry;
        entry.size = 1000;
        entry.lines = {"From: " + sender, "Subject: " + subject, QByteArray()};
        headers.append(entry);
    }

    QList<Mark> marks() const
    {
        QList<Mark> result;
        for (int i = 0; i < list.count(); ++i)
            result.append(list.mark(i));
        return result;
    }

    MessageListModel list;
    QList<HeaderEntry> headers;
    RuleTables tables;
    SpamOptions options;
    KnownList known;
    MessageListSource source{list, headers};
    Classifier classifier{{source, tables, options, known, [] { return 1; }}};
    test::RecordingPrompter prompter;
    RecordingWindow window;
    MarkCommands commands{list, classifier, prompter, window};
};

} // namespace

TEST_F(MarkCommandsTest, ToggleGivesTheDeleteMarkThenNoMark)
{
    addMessage("a@example.com", "question", kQuestionMark);
    addMessage("b@example.com", "blacklisted", kBlacklistMark);
    addMessage("c@example.com", "friend", 5);
    addMessage("d@example.com", "none", kNoMark);
    addMessage("e@example.com", "deleted", kDeleteMark);
    addMessage("f@example.com", "not selected", kQuestionMark);

    commands.btMarkClick({0, 1, 2, 3, 4});
    EXPECT_EQ(marks(), (QList<Mark>{kDeleteMark, kDeleteMark, kDeleteMark, kDeleteMark, kNoMark, kQuestionMark}));
    commands.btMarkClick({4, 3, 2, 1, 0});
    EXPECT_EQ(marks(), (QList<Mark>{kNoMark, kNoMark, kNoMark, kNoMark, kDeleteMark, kQuestionMark}));
    EXPECT_EQ(window.calls, (QStringList{"stopAlarm", "status Message Total: 6 Number Marked: 4", "stopAlarm",
                                         "status Message Total: 6 Number Marked: 1"}));
    EXPECT_TRUE(prompter.shown().isEmpty());
}

TEST_F(MarkCommandsTest, ASelectionListsEachRowOnceAndOnlyRowsOfTheList)
{
    addMessage("a@example.com", "one");
    addMessage("b@example.com", "two");
    commands.btMarkClick({1, 1, -1, 2, 7});
    EXPECT_EQ(marks(), (QList<Mark>{kNoMark, kDeleteMark}));
    EXPECT_TRUE(prompter.shown().isEmpty());
}

TEST_F(MarkCommandsTest, NumberMarkedCountsDeleteAndBlacklistMarksOnly)
{
    for (Mark mark = kNoMark; mark <= kLastFriendImage; ++mark)
        addMessage("x@example.com", "s", mark);
    commands.ShowTotalCount();
    EXPECT_EQ(window.calls, QStringList{"status Message Total: 16 Number Marked: 2"});
}

TEST_F(MarkCommandsTest, NothingSelectedNamesTheCheckButtonOnAnEmptyList)
{
    commands.btMarkClick({});
    ASSERT_EQ(prompter.shown().size(), 1);
    EXPECT_EQ(prompter.shown().at(0).kind, UserPrompter::Kind::Information);
    EXPECT_EQ(prompter.shown().at(0).text,
              "Either there are no e-mail messages waiting on the mail server or you have not yet clicked on the "
              "\"Check E-Mail\" button.");

    prompter.clear();
    addMessage("a@example.com", "one");
    commands.btMarkClick({});
    EXPECT_EQ(prompter.textsOf(UserPrompter::Kind::Information),
              QStringList{"No messages were selected.  To select one message click on a subject.  To select multiple "
                          "messages drag the mouse over the list of desired subjects."});
    EXPECT_EQ(marks(), QList<Mark>{kNoMark});
}

TEST_F(MarkCommandsTest, ResetClearsEveryMark)
{
    commands.ResetButtonClick();
    EXPECT_EQ(window.calls, QStringList{"status Message Total: 0 Number Marked: 0"});

    addMessage("a@example.com", "one", kDeleteMark);
    addMessage("b@example.com", "two", 7);
    commands.ResetButtonClick();
    EXPECT_EQ(marks(), (QList<Mark>{kNoMark, kNoMark}));
    EXPECT_EQ(window.calls.last(), "status Message Total: 2 Number Marked: 0");
    EXPECT_FALSE(window.calls.contains("stopAlarm"));
}

TEST_F(MarkCommandsTest, AutoMarkClearsAManualMarkTheRulesDoNotGive)
{
    addMessage("a@example.com", "hello", kDeleteMark);
    commands.btRemarkClick();
    EXPECT_EQ(marks(), QList<Mark>{kNoMark});
    EXPECT_EQ(prompter.textsOf(UserPrompter::Kind::Information),
              QStringList{"None of the messages matched any of the spam criteria."});
    EXPECT_EQ(window.calls, (QStringList{"stopAlarm", "status Message Total: 1 Number Marked: 0"}));
}

TEST_F(MarkCommandsTest, AutoMarkWithOnlyQuestionMarksSaysNoneMatched)
{
    appendRule(tables.gridSubject, {"", "Contains", "offer", "No", "No", "0"});
    addMessage("a@example.com", "an offer");
    addMessage("b@example.com", "hello");
    commands.btRemarkClick();
    EXPECT_EQ(marks(), (QList<Mark>{kQuestionMark, kNoMark}));
    EXPECT_EQ(prompter.texts(), QStringList{"None of the messages matched any of the spam criteria."});
}

TEST_F(MarkCommandsTest, AutoMarkJudgesEveryRowOnce)
{
    appendRule(tables.gridSubject, {"", "Contains", "offer", "No", "Yes", "0"});
    known.add("spam.example");
    addMessage("a@example.com", "an offer", kQuestionMark);
    addMessage("b@spam.example", "hello");
    addMessage("c@example.com", "hello", kDeleteMark);
    commands.btRemarkClick();
    EXPECT_EQ(marks(), (QList<Mark>{kDeleteMark, kBlacklistMark, kNoMark}));
    EXPECT_EQ(tables.gridSubject.cell(1, 5), "1");
    EXPECT_TRUE(prompter.shown().isEmpty());
    EXPECT_EQ(window.calls.last(), "status Message Total: 3 Number Marked: 2");
}

class MessageListSourceTest : public test::HomeTest
{
};

TEST_F(MessageListSourceTest, RowAndHeaderEntryOfTheSameIndex)
{
    MessageListModel list;
    QList<HeaderEntry> headers;
    MessageListSource source(list, headers);
    EXPECT_EQ(source.messageCount(), 0);

    MessageRow row;
    row.subject = "Subject 1";
    row.sender = "one@example.com";
    row.realName = "One";
    row.size = 1234;
    list.append(row);
    row.subject = "Subject 2";
    list.append(row);
    HeaderEntry entry;
    entry.lines = {"Subject: Subject 1", QByteArray()};
    headers.append(entry);

    ASSERT_EQ(source.messageCount(), 2);
    const MessageInput first = source.message(0);
    EXPECT_EQ(first.subject, "Subject 1");
    EXPECT_EQ(first.sender, "one@example.com");
    EXPECT_EQ(first.realName, "One");
    EXPECT_EQ(first.size, 1234);
    EXPECT_EQ(first.headerLines, (QList<QByteArray>{"Subject: Subject 1", QByteArray()}));
    // A row the header list does not reach has no header lines.
    EXPECT_TRUE(source.message(1).headerLines.isEmpty());

    source.setMark(1, kBlacklistMark);
    EXPECT_EQ(list.mark(1), kBlacklistMark);
    EXPECT_EQ(source.mark(1), kBlacklistMark);
}
