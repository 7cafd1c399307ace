#include "platform/pop3/Pop3ReplyReader.h"

#include "support/PrintTo.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace tarnwell {
namespace {

using Shape = Pop3ReplyReader::Shape;
using Result = Pop3ReplyReader::Result;

class Pop3ReplyReaderTest : public test::HomeTest
{
protected:
    Pop3ReplyReader reader;
    Pop3Reply reply;
};

TEST_F(Pop3ReplyReaderTest, StatusLines)
{
    reader.feed("+OK ready\r\n-ERR [AUTH] no\r\n+OK\r\n");
    ASSERT_EQ(reader.read(Shape::Status, reply), Result::Ready);
    EXPECT_TRUE(reply.ok);
    EXPECT_EQ(reply.status, "+OK ready");
    ASSERT_EQ(reader.read(Shape::Status, reply), Result::Ready);
    EXPECT_FALSE(reply.ok);
    EXPECT_EQ(reply.status, "-ERR [AUTH] no");
    ASSERT_EQ(reader.read(Shape::Status, reply), Result::Ready);
    EXPECT_EQ(reply.status, "+OK");
    EXPECT_EQ(reader.read(Shape::Status, reply), Result::NeedMore);
}

TEST_F(Pop3ReplyReaderTest, MultiLineIsDotUnstuffedAndEndsAtTheDot)
{
    reader.feed("+OK\r\nSubject: a\r\n..hidden dot\r\n.\r\n+OK\r\n\r\n.\r\n+OK next\r\n");
    ASSERT_EQ(reader.read(Shape::MultiLine, reply), Result::Ready);
    EXPECT_EQ(reply.lines, (QList<QByteArray>{"Subject: a", ".hidden dot"}));
    ASSERT_EQ(reader.read(Shape::MultiLine, reply), Result::Ready);
    EXPECT_EQ(reply.lines, QList<QByteArray>{QByteArray()});
    ASSERT_EQ(reader.read(Shape::Status, reply), Result::Ready);
    EXPECT_EQ(reply.status, "+OK next");
}

TEST_F(Pop3ReplyReaderTest, MultiLineErrorHasNoBlock)
{
    reader.feed("-ERR no such message\r\n+OK\r\n.\r\n");
    ASSERT_EQ(reader.read(Shape::MultiLine, reply), Result::Ready);
    EXPECT_FALSE(reply.ok);
    EXPECT_TRUE(reply.lines.isEmpty());
    ASSERT_EQ(reader.read(Shape::MultiLine, reply), Result::Ready);
    EXPECT_TRUE(reply.ok);
}

TEST_F(Pop3ReplyReaderTest, AnyPiecesGiveTheSameReplies)
{
    const QByteArray wire = "+OK 2 lines\r\nFrom: x\r\n.. dotted\r\n.\r\n+OK done\n";
    for (const int piece : {1, 2, 3, 7, 64}) {
        SCOPED_TRACE(piece);
        Pop3ReplyReader pieces;
        Pop3Reply first;
        Pop3Reply second;
        Result r1 = Result::NeedMore;
        Result r2 = Result::NeedMore;
        for (qsizetype at = 0; at < wire.size(); at += piece) {
            pieces.feed(wire.mid(at, piece));
            if (r1 != Result::Ready)
                r1 = pieces.read(Shape::MultiLine, first);
            if (r1 == Result::Ready && r2 != Result::Ready)
                r2 = pieces.read(Shape::Status, second);
        }
        ASSERT_EQ(r1, Result::Ready);
        ASSERT_EQ(r2, Result::Ready);
        EXPECT_EQ(first.lines, (QList<QByteArray>{"From: x", ". dotted"}));
        EXPECT_EQ(second.status, "+OK done");
    }
}

struct HostileCase
{
    const char *title;
    QByteArray wire;
    Shape shape;
    const char *error;
};

void PrintTo(const HostileCase &c, std::ostream *os)
{
    *os << c.title;
}

class Pop3ReplyReaderHostileTest : public test::HomeTest, public ::testing::WithParamInterface<HostileCase>
{
};

TEST_P(Pop3ReplyReaderHostileTest, FailsWithAClearText)
{
    Pop3ReplyReader reader;
    Pop3Reply reply;
    const QByteArray &wire = GetParam().wire;
    // Fed in large pieces, as a socket would.
    Result result = Result::NeedMore;
    for (qsizetype at = 0; at < wire.size() && result == Result::NeedMore; at += 65536) {
        reader.feed(wire.mid(at, 65536));
        result = reader.read(GetParam().shape, reply);
    }
    EXPECT_EQ(result, Result::Failed);
    EXPECT_TRUE(reader.failed());
    EXPECT_EQ(reader.error().toStdString(), GetParam().error);
    EXPECT_EQ(reader.pending(), 0) << "a failed reader keeps nothing";
}

const QByteArray kLongLine = QByteArray(Pop3ReplyReader::kMaxLine + 1, 'a');

QByteArray bigBlock()
{
    QByteArray wire = "+OK\r\n";
    const QByteArray line = "X-Filler: " + QByteArray(990, 'f') + "\r\n";
    while (wire.size() < Pop3ReplyReader::kDefaultMaxBlock + 1000)
        wire += line;
    return wire + ".\r\n";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Pop3ReplyReaderHostileTest,
    ::testing::Values(
        HostileCase{"garbage status", "HTTP/1.1 200 OK\r\n", Shape::Status,
                    "The server sent an invalid reply: HTTP/1.1 200 OK"},
        HostileCase{"binary status", QByteArray("\x00\x01\xff+OK\r\n", 8), Shape::Status,
                    "The server sent an invalid reply: ???+OK"},
        HostileCase{"status glued to text", "+OKAY\r\n", Shape::Status, "The server sent an invalid reply: +OKAY"},
        HostileCase{"line over 1 MiB without end", "+OK\r\n" + kLongLine + "a", Shape::MultiLine,
                    "The server sent a line longer than 1 MiB"},
        HostileCase{"line over 1 MiB with end", "+OK\r\n" + kLongLine + "\r\n.\r\n", Shape::MultiLine,
                    "The server sent a line longer than 1 MiB"},
        HostileCase{"status over 1 MiB", "+OK " + kLongLine + "\r\n", Shape::Status,
                    "The server sent a line longer than 1 MiB"},
        HostileCase{"block over 10 MiB", bigBlock(), Shape::MultiLine, "The server sent a reply larger than 10 MiB"}));

TEST_F(Pop3ReplyReaderTest, ALineOfExactly1MiBIsAccepted)
{
    const QByteArray line(Pop3ReplyReader::kMaxLine, 'a');
    reader.feed("+OK\r\n" + line + "\r\n.\r\n");
    ASSERT_EQ(reader.read(Shape::MultiLine, reply), Result::Ready);
    ASSERT_EQ(reply.lines.size(), 1);
    EXPECT_EQ(reply.lines.first().size(), line.size());
}

TEST_F(Pop3ReplyReaderTest, AMissingTerminatorLeavesTheReplyUnfinished)
{
    reader.feed("+OK\r\nSubject: x\r\n");
    EXPECT_EQ(reader.read(Shape::MultiLine, reply), Result::NeedMore);
    EXPECT_TRUE(reader.inReply());
    EXPECT_FALSE(reader.failed());
}

TEST_F(Pop3ReplyReaderTest, AFailedReaderAcceptsNothingUntilReset)
{
    reader.feed("garbage\r\n");
    EXPECT_EQ(reader.read(Shape::Status, reply), Result::Failed);
    reader.feed("+OK\r\n");
    EXPECT_EQ(reader.read(Shape::Status, reply), Result::Failed);
    reader.reset();
    reader.feed("+OK\r\n");
    EXPECT_EQ(reader.read(Shape::Status, reply), Result::Ready);
}

TEST_F(Pop3ReplyReaderTest, BareLineFeedsEndLinesToo)
{
    reader.feed("+OK\nA: b\n.\n");
    ASSERT_EQ(reader.read(Shape::MultiLine, reply), Result::Ready);
    EXPECT_EQ(reply.lines, QList<QByteArray>{"A: b"});
}

TEST_F(Pop3ReplyReaderTest, AChosenBlockLimitHolds)
{
    reader.feed("+OK\r\n0123456789\r\n.\r\n");
    EXPECT_EQ(reader.read(Shape::MultiLine, reply, 5), Result::Failed);
    EXPECT_EQ(reader.error(), QStringLiteral("The server sent a reply larger than 5 bytes"));
}

} // namespace
} // namespace tarnwell
