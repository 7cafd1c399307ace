#include "platform/RegionalFormats.h"

#include "support/PrintTo.h"

#include <gtest/gtest.h>

using namespace tarnwell;

TEST(Fix2000, WidensTwoDigitYearsOnly)
{
    struct Case
    {
        QString in, out;
    } cases[] = {
        {"M/d/yy", "M/d/yyyy"},
        {"dd.MM.yy", "dd.MM.yyyy"},
        {"yy-MM-dd", "yyyy-MM-dd"},
        {"M/d/yyyy", "M/d/yyyy"},
        {"d MMMM", "d MMMM"},
        {"", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(fix2000(c.in), c.out) << c.in.toStdString();
}

TEST(RegionalFormats, EnglishUnitedStates)
{
    const RegionalFormats en(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(en.shortDateFormat(), "M/d/yyyy");
    const QDateTime when(QDate(2000, 1, 5), QTime(15, 5, 9));
    EXPECT_EQ(en.logStamp(when), "Wed 1/5/2000 3:05 PM");
    EXPECT_EQ(en.listDate(when), "1/5/2000 3:05:09 PM");
    EXPECT_EQ(en.shortDayName(3), "Wed");
    EXPECT_EQ(en.longDayName(7), "Sunday");
    EXPECT_EQ(en.shortMonthName(1), "Jan");
    EXPECT_EQ(en.longMonthName(12), "December");
}

TEST(RegionalFormats, OtherLocalesKeepTheirOrderWithFourDigitYears)
{
    const RegionalFormats de(QLocale(QLocale::German, QLocale::Germany));
    const QDateTime when(QDate(2026, 12, 11), QTime(9, 7));
    EXPECT_TRUE(de.shortDate(when.date()).endsWith("2026")) << de.shortDate(when.date()).toStdString();
    EXPECT_TRUE(de.logStamp(when).contains("09:07")) << de.logStamp(when).toStdString();
}
