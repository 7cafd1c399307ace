#include "MainWindowFixture.h"

#include "support/pop3/TestMessages.h"

#include "classify/rules/Mark.h"
#include "classify/rules/RuleColumns.h"
#include "classify/rules/SpamSettingsFiles.h"
#include "mail/MessageListModel.h"

#include <QFile>
#include <QLabel>
#include <QTest>

#include <gmock/gmock.h>

namespace tarnwell::test {

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using Cells = QList<QByteArrayList>;

class MainWindowClassifyTest : public MainWindowFixture
{
protected:
    // A rule file as the table control writes it: "columns,rows", one "cw" line per
    // column, then "column,row,text" for every non-empty cell, CR LF line ends.
    void writeGridFile(const QString &name, int columns, const Cells &rows)
    {
        QByteArray text = QByteArray::number(columns) + ',' + QByteArray::number(rows.size()) + "\r\n";
        for (int c = 0; c < columns; ++c)
            text += "cw " + QByteArray::number(c) + ",64\r\n";
        for (int r = 0; r < rows.size(); ++r)
            for (int c = 0; c < rows.at(r).size(); ++c)
                if (!rows.at(r).at(c).isEmpty())
                    text += QByteArray::number(c) + ',' + QByteArray::number(r) + ',' + rows.at(r).at(c) + "\r\n";
        writeFile(name, text);
    }

    void writeFile(const QString &name, const QByteArray &text)
    {
        QFile file(folder.file(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QByteArray readFile(const QString &name)
    {
        QFile file(folder.file(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QList<int> marks()
    {
        QList<int> result;
        for (int row = 0; row < context().list().count(); ++row)
            result.append(context().list().mark(row));
        return result;
    }
};

TEST_F(MainWindowClassifyTest, ACheckMarksEveryRowByTheRuleFilesAndSavesTheirHitCounts)
{
    mailbox(1, testMessages(6));
    const QByteArrayList ruleHeadings{"", "What", "Matches", "Case", "Del?", "Hits"};
    writeGridFile(QStringLiteral("except.lst"), 7,
                  {{"What", "Condition", "Matches", "Case?", "Hits"},
                   {"E-mail address", "Equals", "sender1@example.net", "No", "0", "", "9"}});
    writeGridFile(QStringLiteral("subj.lst"), 6, {ruleHeadings, {"", "Contains", "message 2", "No", "Yes", "5"}});
    writeGridFile(QStringLiteral("from.lst"), 6,
                  {{"", "What", "Condition", "Matches", "Del?", "Hits"},
                   {"", "E-mail address", "Starts with", "sender3@", "No", "0"}});
    writeGridFile(QStringLiteral("header.lst"), 6, {ruleHeadings, {"", "Contains", "Message-ID: <5@", "No", "No", "0"}});
    writeFile(QStringLiteral("known.lst"), "sender4@example.net\r\n");
    start();
    QList<int> marksOnArrival;
    QObject::connect(&context().client(), &Pop3Client::OnNextInfoUpdated, &window(),
                     [&](int index) { marksOnArrival.append(context().list().mark(index)); });

    QTest::mouseClick(buttons().btList(), Qt::LeftButton);

    EXPECT_THAT(prompter.texts(), IsEmpty());
    const QList<int> expected{kFirstFriendImage + 6, kDeleteMark, kQuestionMark, kBlacklistMark, kQuestionMark, kNoMark};
    EXPECT_EQ(marksOnArrival, expected) << "each row is judged as it arrives";
    EXPECT_EQ(marks(), expected);
    EXPECT_EQ(window().statusPanel2()->text(), QStringLiteral("Message Total: 6 Number Marked: 2"));

    // Judged on arrival and again in the second pass: two hits per matching rule,
    // except that the second pass finds row 2 already carrying the delete mark and
    // finishes it before the subject rules.
    RuleTables saved;
    SpamOptions options;
    RecordingPrompter reader;
    ASSERT_TRUE(readSettings(saved, options, folder, reader));
    EXPECT_EQ(saved.gridExcept.cell(1, WhiteListColumn::Hits), "2");
    EXPECT_EQ(saved.gridExcept.cell(1, WhiteListColumn::ImageNumber), "9");
    EXPECT_EQ(saved.gridSubject.cell(1, SubjectColumn::Hits), "6");
    EXPECT_EQ(saved.gridFrom.cell(1, SenderColumn::Hits), "2");
    EXPECT_EQ(saved.gridHeader.cell(1, HeaderColumn::Hits), "2");
    EXPECT_EQ(saved.gridSubject.cell(1, SubjectColumn::Matches), "message 2") << "the rules themselves kept";
}

TEST_F(MainWindowClassifyTest, ACorruptRuleFileIsReportedAtStartAndNoRuleFileIsOverwrittenByTheCheck)
{
    mailbox(1, testMessages(1));
    writeFile(QStringLiteral("subj.lst"), "\r\n");
    writeGridFile(QStringLiteral("from.lst"), 6, {{}, {"", "E-mail address", "Starts with", "sender1@", "Yes", "3"}});
    const QByteArray fromFile = readFile(QStringLiteral("from.lst"));
    start();

    EXPECT_THAT(prompter.texts(), ElementsAre(QStringLiteral("File contains no data or corrupt file ") +
                                              folder.file(QStringLiteral("subj.lst"))));
    prompter.clear();
    QTest::mouseClick(buttons().btList(), Qt::LeftButton);

    EXPECT_THAT(prompter.texts(), IsEmpty());
    EXPECT_THAT(marks(), ElementsAre(kNoMark)) << "the sender rules were never loaded";
    EXPECT_EQ(readFile(QStringLiteral("subj.lst")), "\r\n");
    EXPECT_EQ(readFile(QStringLiteral("from.lst")), fromFile);
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("except.lst"))));
}

} // namespace

} // namespace tarnwell::test
