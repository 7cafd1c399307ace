#include "platform/pop3/MessageIdentity.h"
#include "platform/pop3/Pop3Capabilities.h"
#include "platform/pop3/Pop3Listing.h"

#include "support/PrintTo.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace tarnwell {
namespace {

using Lines = QList<QByteArray>;

class Pop3ListingTest : public test::HomeTest
{
};

TEST_F(Pop3ListingTest, MessageCountFromStat)
{
    EXPECT_EQ(Pop3Listing::messageCount("+OK 3 1200"), 3);
    EXPECT_EQ(Pop3Listing::messageCount("+OK 0 0"), 0);
    EXPECT_EQ(Pop3Listing::messageCount("+OK  12   99 extra"), 12);
    for (const QByteArray bad : {"+OK", "+OK many 3", "+OK -1 0", "-ERR 3 4", "+OK 3x 4"})
        EXPECT_FALSE(Pop3Listing::messageCount(bad).has_value()) << bad.toStdString();
}

TEST_F(Pop3ListingTest, SizesMustNumberEveryMessageInOrder)
{
    EXPECT_EQ(Pop3Listing::sizes({"1 100", "2 2048 extra"}, 2), (QList<qint64>{100, 2048}));
    EXPECT_EQ(Pop3Listing::sizes({}, 0), QList<qint64>{});
    const QList<Lines> bad{{"1 100"}, {"1 100", "3 5"}, {"2 5", "1 100"}, {"1 x", "2 5"}, {"1", "2 5"}, {"1 -5", "2 5"},
                           {"1 1", "2 2", "3 3"}};
    for (const Lines &lines : bad)
        EXPECT_FALSE(Pop3Listing::sizes(lines, 2).has_value()) << lines.join('|').toStdString();
}

TEST_F(Pop3ListingTest, UniqueIdsMustBeDistinctAndPrintable)
{
    EXPECT_EQ(Pop3Listing::uniqueIds({"1 abc", "2 x-9"}, 2), (Lines{"abc", "x-9"}));
    const QList<Lines> bad{{"1 abc", "2 abc"}, {"1 abc", "3 def"}, {"1 abc"}, {"1 " + QByteArray(71, 'u'), "2 b"},
                           {"1 a\x01", "2 b"}};
    for (const Lines &lines : bad)
        EXPECT_FALSE(Pop3Listing::uniqueIds(lines, 2).has_value()) << lines.join('|').toStdString();
    EXPECT_TRUE(Pop3Listing::uniqueIds({"1 " + QByteArray(70, 'u'), "2 b"}, 2).has_value());
}

TEST_F(Pop3ListingTest, HeaderLinesDropTheBodyAndEndWithOneEmptyLine)
{
    EXPECT_EQ(Pop3Listing::headerLines({"Subject: a", " folded", "From: b", "", "body line"}),
              (Lines{"Subject: a", " folded", "From: b", ""}));
    EXPECT_EQ(Pop3Listing::headerLines({"Subject: no body", ""}), (Lines{"Subject: no body", ""}));
    EXPECT_EQ(Pop3Listing::headerLines({"Subject: no blank line"}), (Lines{"Subject: no blank line", ""}));
    EXPECT_EQ(Pop3Listing::headerLines({"", "body"}), Lines{QByteArray()});
}

TEST_F(Pop3ListingTest, CapabilitiesAreMatchedWithoutCase)
{
    const Pop3Capabilities caps({"TOP", "pipelining", "SASL PLAIN LOGIN", "  UIDL  "});
    EXPECT_TRUE(caps.isKnown());
    EXPECT_TRUE(caps.has("PIPELINING"));
    EXPECT_TRUE(caps.has("uidl"));
    EXPECT_TRUE(caps.has("SASL"));
    EXPECT_FALSE(caps.has("STLS"));
    EXPECT_FALSE(caps.has("PLAIN"));
    EXPECT_FALSE(Pop3Capabilities::unknown().isKnown());
    EXPECT_FALSE(Pop3Capabilities::unknown().has("TOP"));
}

QList<HeaderEntry> entries(const Lines &ids, const QList<qint64> &sizes, const QList<int> &flagged)
{
    QList<HeaderEntry> list;
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        HeaderEntry e;
        e.size = sizes.at(i);
        e.uid = ids.value(i);
        e.flaggedForDeletion = flagged.contains(int(i));
        list.append(e);
    }
    return list;
}

TEST_F(Pop3ListingTest, FlaggedMessagesAreFoundAgainByUniqueId)
{
    const auto listed = entries({"a", "b", "c", "d"}, {1, 2, 3, 4}, {1, 3});
    // "a" was deleted elsewhere: every later message moved down by one.
    auto targets = MessageIdentity::byUniqueId(listed, {"b", "c", "d", "e"});
    EXPECT_EQ(targets.missing, -1);
    EXPECT_EQ(targets.numbers, (QList<int>{0, 1, 0, 3}));
    // "d" is gone: nothing may be acted on.
    targets = MessageIdentity::byUniqueId(listed, {"a", "b", "c"});
    EXPECT_EQ(targets.missing, 3);
}

TEST_F(Pop3ListingTest, WithoutUniqueIdsNumberAndSizeMustHold)
{
    const auto listed = entries({}, {10, 20, 30}, {0, 2});
    EXPECT_EQ(MessageIdentity::byPosition(listed, {10, 20, 30, 40}).numbers, (QList<int>{1, 0, 3}));
    EXPECT_EQ(MessageIdentity::byPosition(listed, {10, 30}).missing, 2);
    EXPECT_EQ(MessageIdentity::byPosition(listed, {11, 20, 30}).missing, 0);
    HeaderEntry one;
    one.lines = {"Subject: a", ""};
    EXPECT_TRUE(MessageIdentity::sameHeader(one, {"Subject: a", ""}));
    EXPECT_FALSE(MessageIdentity::sameHeader(one, {"Subject: b", ""}));
}

} // namespace
} // namespace tarnwell
