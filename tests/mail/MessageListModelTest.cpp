#include "mail/MessageListModel.h"

#include <QSignalSpy>

#include <gmock/gmock.h>

namespace tarnwell {

namespace {

MessageRow row(const QByteArray &subject, Mark mark = kNoMark)
{
    return MessageRow{subject, subject + "@example.com", "Name " + subject, 1234, "1/2/2024 3:04:05 PM", mark};
}

TEST(MessageListModelTest, HoldsRowsAtOnceAndAnnouncesThemInABatch)
{
    MessageListModel model;
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);

    for (int i = 0; i < 5; ++i)
        model.append(row("s" + QByteArray::number(i)));

    EXPECT_EQ(model.count(), 5) << "the classifier can judge a row as soon as it is appended";
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(inserted.count(), 0);

    model.flush();
    EXPECT_EQ(model.rowCount(), 5);
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted.at(0).at(1).toInt(), 0);
    EXPECT_EQ(inserted.at(0).at(2).toInt(), 4);

    model.flush();
    EXPECT_EQ(inserted.count(), 1) << "nothing new, nothing announced";
}

TEST(MessageListModelTest, TheBatchIsAnnouncedFromTheEventLoop)
{
    MessageListModel model;
    model.append(row("a"));
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    ASSERT_TRUE(inserted.wait(5000));
    EXPECT_EQ(model.rowCount(), 1);
}

TEST(MessageListModelTest, ShowsTheColumnsOfARow)
{
    MessageListModel model;
    model.append(MessageRow{"Hello \xc3\xa9t\xc3\xa9", "joe@example.com", "Joe", 4321, "\xe9t\xe9", kNoMark});
    model.flush();

    const auto cell = [&](int column, int role = Qt::DisplayRole) { return model.index(0, column).data(role); };
    EXPECT_EQ(cell(MessageListModel::SubjectColumn).toString(), QStringLiteral("Hello \u00e9t\u00e9"));
    EXPECT_EQ(cell(MessageListModel::SenderColumn).toString(), QStringLiteral("joe@example.com"));
    EXPECT_EQ(cell(MessageListModel::RealNameColumn).toString(), QStringLiteral("Joe"));
    EXPECT_EQ(cell(MessageListModel::SizeColumn).toString(), QStringLiteral("4321"));
    EXPECT_EQ(cell(MessageListModel::DateColumn).toString(), QStringLiteral("\u00e9t\u00e9")) << "Latin-1 bytes";
    EXPECT_EQ(cell(MessageListModel::SizeColumn, Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
    EXPECT_EQ(cell(MessageListModel::SubjectColumn, MessageListModel::MarkRole).toInt(), kNoMark);

    QStringList headings;
    for (int c = 0; c < model.columnCount(); ++c)
        headings << model.headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headings, QStringList({"Subject", "Sender", "Real name", "Size", "Date"}));
}

TEST(MessageListModelTest, RowsAreSelectableButNotEditable)
{
    MessageListModel model;
    model.append(row("a"));
    model.flush();
    const Qt::ItemFlags flags = model.flags(model.index(0, 0));
    EXPECT_TRUE(flags & Qt::ItemIsSelectable);
    EXPECT_FALSE(flags & Qt::ItemIsEditable);
    EXPECT_FALSE(model.setData(model.index(0, 0), QStringLiteral("edited")));
    EXPECT_EQ(model.row(0).subject, "a");
}

TEST(MessageListModelTest, CountsOnlyDeleteAndBlacklistMarksAsMarked)
{
    MessageListModel model;
    const QList<Mark> marks = {kNoMark, kDeleteMark, kQuestionMark, kBlacklistMark, kFirstFriendImage,
                               kLastFriendImage, kDeleteMark};
    for (const Mark mark : marks)
        model.append(row("m", mark));

    EXPECT_EQ(model.markedCount(), 3);
    EXPECT_EQ(model.totalCountText(), QStringLiteral("Message Total: 7 Number Marked: 3"));
}

TEST(MessageListModelTest, AMarkChangeReachesTheViewOnceAnnounced)
{
    MessageListModel model;
    model.append(row("a"));
    model.append(row("b"));
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    model.setMark(1, kDeleteMark);
    EXPECT_EQ(changed.count(), 0) << "not announced yet";
    model.flush();
    model.setMark(0, kQuestionMark);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toModelIndex().row(), 0);
    EXPECT_EQ(model.index(1, 0).data(MessageListModel::MarkRole).toInt(), kDeleteMark);
    EXPECT_EQ(model.index(0, 0).data(MessageListModel::MarkRole).toInt(), kQuestionMark);

    model.setMark(0, kQuestionMark);
    EXPECT_EQ(changed.count(), 1) << "an unchanged mark is not announced";
}

TEST(MessageListModelTest, RefusesMarksOutsideTheImagesAndRowsOutsideTheList)
{
    MessageListModel model;
    model.append(row("a", 15));
    EXPECT_EQ(model.mark(0), kNoMark);
    for (const int bad : {-2, 15, 99}) {
        model.setMark(0, bad);
        EXPECT_EQ(model.mark(0), kNoMark) << bad;
    }
    model.setMark(-1, kDeleteMark);
    model.setMark(1, kDeleteMark);
    EXPECT_EQ(model.markedCount(), 0);
}

TEST(MessageListModelTest, ClearEmptiesHeldAndAnnouncedRows)
{
    MessageListModel model;
    model.append(row("a"));
    model.flush();
    model.append(row("b"));
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

    model.clear();

    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(model.count(), 0);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.totalCountText(), QStringLiteral("Message Total: 0 Number Marked: 0"));
    model.append(row("c"));
    model.flush();
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.index(0, 0).data().toString(), QStringLiteral("c"));
}

} // namespace

} // namespace tarnwell
