#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace tarnwell {

// Widens a short date format to four-digit years: a format holding "yy" but not
// "yyyy" gets another "yy" at its first "yy" ("M/d/yy" becomes "M/d/yyyy").
QString fix2000(const QString &shortDateFormat);

// Day and month names and the date and time formats of one locale (the system's,
// or a fixed one in tests). The short date format is already widened by fix2000.
class RegionalFormats
{
public:
    explicit RegionalFormats(const QLocale &locale = QLocale::system());

    const QLocale &locale() const { return m_locale; }

    QString shortDayName(int weekday) const; // 1 = Monday .. 7 = Sunday
    QString longDayName(int weekday) const;
    QString shortMonthName(int month) const;
    QString longMonthName(int month) const;

    const QString &shortDateFormat() const { return m_shortDate; }
    const QString &shortTimeFormat() const { return m_shortTime; }
    const QString &longTimeFormat() const { return m_longTime; }

    QString shortDate(const QDate &date) const;
    QString shortTime(const QTime &time) const;
    QString longTime(const QTime &time) const;

    // The activity log's stamp "ddd ddddd t": abbreviated weekday, short date,
    // short time, separated by single spaces ("Wed 1/5/2000 3:05 PM").
    QString logStamp(const QDateTime &when) const;

    // The message list's date column: short date and long time.
    QString listDate(const QDateTime &when) const;

private:
    QLocale m_locale;
    QString m_shortDate;
    QString m_shortTime;
    QString m_longTime;
};

} // namespace tarnwell
