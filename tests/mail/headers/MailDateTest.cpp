#include "mail/headers/MailDate.h"

#include "platform/RegionalFormats.h"

#include "support/PrintTo.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <ctime>

namespace tarnwell {
namespace {

struct DateCase
{
    QByteArray text;
    QDateTime utc; // invalid: not a date
};

void PrintTo(const DateCase &c, std::ostream *os)
{
    *os << c.text.toStdString();
}

QDateTime utc(int y, int mo, int d, int h, int mi, int s)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
}

class MailDateTest : public test::HomeTest, public ::testing::WithParamInterface<DateCase>
{
};

TEST_P(MailDateTest, Reads)
{
    const auto parsed = parseMailDate(GetParam().text);
    if (!GetParam().utc.isValid()) {
        EXPECT_FALSE(parsed.has_value());
        return;
    }
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(parsed->toUTC(), GetParam().utc);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MailDateTest,
    ::testing::Values(DateCase{"Tue, 5 Mar 2024 14:03:09 +0100", utc(2024, 3, 5, 13, 3, 9)},
                      DateCase{"5 Mar 2024 14:03:09 -0230", utc(2024, 3, 5, 16, 33, 9)},
                      DateCase{"Tue, 05 Mar 2024 14:03 GMT", utc(2024, 3, 5, 14, 3, 0)},
                      DateCase{"Tue,5 Mar 2024 14:03:09 +0000 (UTC)", utc(2024, 3, 5, 14, 3, 9)},
                      DateCase{"Fri, 1 Dec 2023 23:30:00 EST", utc(2023, 12, 2, 4, 30, 0)},
                      DateCase{"Fri, 1 Dec 2023 23:30:00 pdt", utc(2023, 12, 2, 6, 30, 0)},
                      DateCase{"1 Dec 99 08:00:00 UT", utc(1999, 12, 1, 8, 0, 0)},
                      DateCase{"1 Dec 04 08:00:00 Z", utc(2004, 12, 1, 8, 0, 0)},
                      DateCase{"1 Dec 104 08:00:00 +0000", utc(2004, 12, 1, 8, 0, 0)},
                      DateCase{"1 December 2004 08:00:00 +0000", utc(2004, 12, 1, 8, 0, 0)},
                      DateCase{"31 Dec 2016 23:59:60 +0000", utc(2016, 12, 31, 23, 59, 59)},
                      DateCase{"Mon, 1 Jan 2024 10:00:00 A", utc(2024, 1, 1, 10, 0, 0)},
                      DateCase{"not a date", {}},
                      DateCase{"", {}},
                      DateCase{"31 Feb 2024 10:00:00 +0000", {}},
                      DateCase{"1 Foo 2024 10:00:00 +0000", {}},
                      DateCase{"1 Jan 2024 25:00:00 +0000", {}},
                      DateCase{"1 Jan 2024 10:61 +0000", {}},
                      DateCase{"1 Jan 2024 10:00:00 +9999", {}},
                      DateCase{"1 Jan 2024 10:00:00 Mars", {}},
                      DateCase{"2024-01-01T10:00:00Z", {}}));

// Makes the process's local time UTC while a test runs.
class UtcLocalTime
{
public:
    UtcLocalTime() : m_had(qEnvironmentVariableIsSet("TZ")), m_old(qgetenv("TZ"))
    {
        qputenv("TZ", "UTC");
        tzset();
    }
    ~UtcLocalTime()
    {
        if (m_had)
            qputenv("TZ", m_old);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    bool m_had;
    QByteArray m_old;
};

TEST(DateColumnTest, ShowsTheLocalTimeInTheListFormat)
{
    test::TempHome home;
    UtcLocalTime utcZone;
    const RegionalFormats formats(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(dateColumn("Tue, 5 Mar 2024 14:03:09 +0100", formats), QByteArray("3/5/2024 1:03:09 PM"));
}

TEST(DateColumnTest, WithoutAZoneTheTimeIsTakenAsLocal)
{
    test::TempHome home;
    const RegionalFormats formats(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(dateColumn("5 Mar 2024 14:03:09", formats), QByteArray("3/5/2024 2:03:09 PM"));
}

TEST(DateColumnTest, AnUnreadableDateIsShownUnchanged)
{
    test::TempHome home;
    const RegionalFormats formats(QLocale(QLocale::English, QLocale::UnitedStates));
    for (const QByteArray &value : {QByteArray("sometime last week"), QByteArray("32 Jan 2024 10:00 +0000"),
                                   QByteArray("\xE9t\xE9 2024")})
        EXPECT_EQ(dateColumn(value, formats), value);
}

} // namespace
} // namespace tarnwell
