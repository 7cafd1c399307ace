#include "RegionalFormats.h"

#include <QRegularExpression>

namespace tarnwell {

namespace {

// Locale data may use no-break spaces (before AM/PM, for instance); the program's
// texts and the log use plain spaces.
QString plainSpaces(QString format)
{
    format.replace(QChar(0x202F), QLatin1Char(' '));
    format.replace(QChar(0x00A0), QLatin1Char(' '));
    return format;
}

// A time format without its time-zone part: the log and the list show local times.
QString withoutZone(QString format)
{
    static const QRegularExpression zone(QStringLiteral("\\s*\\(?\\bt+\\b\\)?"));
    format.remove(zone);
    return format.trimmed();
}

} // namespace

QString fix2000(const QString &shortDateFormat)
{
    if (shortDateFormat.contains(QLatin1String("yyyy")))
        return shortDateFormat;
    const qsizetype at = shortDateFormat.indexOf(QLatin1String("yy"));
    if (at < 0)
        return shortDateFormat;
    QString widened = shortDateFormat;
    widened.insert(at, QLatin1String("yy"));
    return widened;
}

RegionalFormats::RegionalFormats(const QLocale &locale)
    : m_locale(locale),
      m_shortDate(fix2000(plainSpaces(locale.dateFormat(QLocale::ShortFormat)))),
      m_shortTime(withoutZone(plainSpaces(locale.timeFormat(QLocale::ShortFormat)))),
      m_longTime(withoutZone(plainSpaces(locale.timeFormat(QLocale::LongFormat))))
{
}

QString RegionalFormats::shortDayName(int weekday) const
{
    return m_locale.dayName(weekday, QLocale::ShortFormat);
}

QString RegionalFormats::longDayName(int weekday) const
{
    return m_locale.dayName(weekday, QLocale::LongFormat);
}

QString RegionalFormats::shortMonthName(int month) const
{
    return m_locale.monthName(month, QLocale::ShortFormat);
}

QString RegionalFormats::longMonthName(int month) const
{
    return m_locale.monthName(month, QLocale::LongFormat);
}

QString RegionalFormats::shortDate(const QDate &date) const
{
    return plainSpaces(m_locale.toString(date, m_shortDate));
}

QString RegionalFormats::shortTime(const QTime &time) const
{
    return plainSpaces(m_locale.toString(time, m_shortTime));
}

QString RegionalFormats::longTime(const QTime &time) const
{
    return plainSpaces(m_locale.toString(time, m_longTime));
}

QString RegionalFormats::logStamp(const QDateTime &when) const
{
    return shortDayName(when.date().dayOfWeek()) + QLatin1Char(' ') + shortDate(when.date())
           + QLatin1Char(' ') + shortTime(when.time());
}

QString RegionalFormats::listDate(const QDateTime &when) const
{
    return shortDate(when.date()) + QLatin1Char(' ') + longTime(when.time());
}

} // namespace tarnwell
