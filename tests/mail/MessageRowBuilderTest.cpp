#include "mail/MessageRowBuilder.h"

#include "mail/headers/MailDate.h"
#include "platform/RegionalFormats.h"
#include "platform/pop3/HeaderEntry.h"

#include <gtest/gtest.h>

#include <optional>

#include <ostream>

namespace tarnwell {

namespace {

struct RowCase
{
    const char *name;
    QList<QByteArray> lines;
    QByteArray subject;
    QByteArray sender;
    QByteArray realName;
    std::optional<QByteArray> date; // none: the formatted date of the test's Date line
};

void PrintTo(const RowCase &c, std::ostream *os)
{
    *os << c.name;
}

class MessageRowBuilderTest : public ::testing::TestWithParam<RowCase>
{
protected:
    RegionalFormats formats{QLocale(QLocale::English, QLocale::UnitedStates)};
};

TEST_P(MessageRowBuilderTest, BuildsTheColumnsFromTheHeader)
{
    const RowCase &c = GetParam();
    HeaderEntry entry;
    entry.size = 2048;
    entry.lines = c.lines;
    entry.lines.append(QByteArray());

    const MessageRow row = MessageRowBuilder(formats).build(entry);

    EXPECT_EQ(row.subject, c.subject);
    EXPECT_EQ(row.sender, c.sender);
    EXPECT_EQ(row.realName, c.realName);
    EXPECT_EQ(row.size, 2048);
    EXPECT_EQ(row.mark, kNoMark);
    EXPECT_EQ(row.date, c.date.value_or(dateColumn("Tue, 5 Mar 2024 14:03:09 +0100", formats)));
}

INSTANTIATE_TEST_SUITE_P(
    Headers, MessageRowBuilderTest,
    ::testing::Values(
        RowCase{"NameAndAngleAddress",
                {"From: \"Joe Bloggs\" <joe@example.com>", "Subject: Hello", "Date: Tue, 5 Mar 2024 14:03:09 +0100"},
                "Hello", "joe@example.com", "Joe Bloggs", std::nullopt},
        RowCase{"AddressAndNameInParentheses",
                {"subject: lower case name", "FROM: joe@example.com (Joe Bloggs)",
                 "Date: Tue, 5 Mar 2024 14:03:09 +0100"},
                "lower case name", "joe@example.com", "Joe Bloggs", std::nullopt},
        RowCase{"FoldedEncodedSubject",
                {"Subject: =?iso-8859-1?Q?caf=E9_au?=", " lait", "From: joe@example.com",
                 "Date: Tue, 5 Mar 2024 14:03:09 +0100"},
                "caf\xe9 au lait", "joe@example.com", "", std::nullopt},
        RowCase{"UnreadableDateStaysAsItCame", {"From: <x@example.com>", "Date: sometime next week"}, "",
                "x@example.com", "", "sometime next week"},
        RowCase{"NoHeaderFields", {"X-Other: 1"}, "", "", "", QByteArray()}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace

} // namespace tarnwell
