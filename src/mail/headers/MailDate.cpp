#include "MailDate.h"

#include "platform/RegionalFormats.h"

#include <QList>

#include <algorithm>

namespace tarnwell {

namespace {

QByteArray withoutComments(const QByteArray &value)
{
    QByteArray out;
    int depth = 0;
    for (const char c : value) {
        if (c == '(')
            ++depth;
        else if (c == ')' && depth > 0)
            --depth;
        else if (depth == 0)
            out += c;
    }
    return out;
}

// "Mar" as RFC 822 writes it, or the full English name some senders use.
int monthNumber(const QByteArray &word)
{
    static const char *const names[] = {"january", "february", "march",     "april",   "may",      "june",
                                        "july",    "august",   "september", "october", "november", "december"};
    const QByteArray lower = word.toLower();
    for (int m = 0; m < 12; ++m) {
        const QByteArray name(names[m]);
        if (lower == name || lower == name.left(3))
            return m + 1;
    }
    return 0;
}

bool allDigits(const QByteArray &word)
{
    return !word.isEmpty() && std::all_of(word.cbegin(), word.cend(), [](char c) { return c >= '0' && c <= '9'; });
}

bool allLetters(const QByteArray &word)
{
    return !word.isEmpty()
           && std::all_of(word.cbegin(), word.cend(), [](char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; });
}

// The zone's offset from UTC in seconds; nothing for a word that is no zone.
std::optional<int> zoneOffset(const QByteArray &word)
{
    if (word.size() == 5 && (word.at(0) == '+' || word.at(0) == '-') && allDigits(word.mid(1))) {
        const int hours = word.mid(1, 2).toInt();
        const int minutes = word.mid(3, 2).toInt();
        if (hours > 23 || minutes > 59)
            return std::nullopt;
        const int seconds = hours * 3600 + minutes * 60;
        return word.at(0) == '-' ? -seconds : seconds;
    }
    if (!allLetters(word))
        return std::nullopt;
    static const struct
    {
        const char *name;
        int hours;
    } zones[] = {{"UT", 0},   {"UTC", 0},  {"GMT", 0},  {"Z", 0},    {"EST", -5}, {"EDT", -4},
                 {"CST", -6}, {"CDT", -5}, {"MST", -7}, {"MDT", -6}, {"PST", -8}, {"PDT", -7}};
    for (const auto &zone : zones) {
        if (word.compare(zone.name, Qt::CaseInsensitive) == 0)
            return zone.hours * 3600;
    }
    // Military letters were defined with the wrong sign; they mean an unknown zone.
    if (word.size() == 1)
        return 0;
    return std::nullopt;
}

std::optional<QTime> readTime(const QByteArray &word)
{
    const QList<QByteArray> parts = word.split(':');
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    int values[3] = {0, 0, 0};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (!allDigits(parts.at(i)) || parts.at(i).size() > 2)
            return std::nullopt;
        values[i] = parts.at(i).toInt();
    }
    // A leap second is shown as the second before it.
    const QTime time(values[0], values[1], qMin(values[2], 59));
    if (!time.isValid() || values[2] > 60)
        return std::nullopt;
    return time;
}

int fullYear(const QByteArray &word)
{
    const int year = word.toInt();
    if (word.size() == 2)
        return year < 50 ? 2000 + year : 1900 + year;
    if (word.size() == 3)
        return 1900 + year;
    return year;
}

} // namespace

std::optional<QDateTime> parseMailDate(const QByteArray &value)
{
    QByteArray text = withoutComments(value);
    text.replace(',', ' ');
    QList<QByteArray> words = text.simplified().split(' ');
    words.removeAll(QByteArray());
    qsizetype at = 0;
    if (at < words.size() && allLetters(words.at(at)) && monthNumber(words.at(at)) == 0)
        ++at; // the weekday; which day it names is not checked
    if (words.size() - at < 4)
        return std::nullopt;

    const QByteArray &dayWord = words.at(at);
    const int month = monthNumber(words.at(at + 1));
    const QByteArray &yearWord = words.at(at + 2);
    if (!allDigits(dayWord) || dayWord.size() > 2 || month == 0 || !allDigits(yearWord) || yearWord.size() < 2
        || yearWord.size() > 4)
        return std::nullopt;
    const QDate date(fullYear(yearWord), month, dayWord.toInt());
    const auto time = readTime(words.at(at + 3));
    if (!date.isValid() || !time)
        return std::nullopt;

    if (at + 4 >= words.size())
        return QDateTime(date, *time);
    const auto offset = zoneOffset(words.at(at + 4));
    if (!offset)
        return std::nullopt;
    return QDateTime(date, *time, Qt::OffsetFromUTC, *offset);
}

QByteArray dateColumn(const QByteArray &value, const RegionalFormats &formats)
{
    const auto when = parseMailDate(value);
    if (!when)
        return value;
    return formats.listDate(when->toLocalTime()).toUtf8();
}

} // namespace tarnwell
