#pragma once

#include <QByteArray>
#include <QDateTime>

#include <optional>

namespace tarnwell {

class RegionalFormats;

// Reads an RFC 822 / RFC 2822 date and time ("Tue, 5 Mar 2024 14:03:09 +0100"):
// optional weekday, day, month name, two- to four-digit year, hours and minutes
// with optional seconds, then the zone as an offset or a name (UT, GMT, the US
// zones, military letters); comments in parentheses are ignored. A date without a
// zone is taken as local time. Nothing for anything that is not such a date.
std::optional<QDateTime> parseMailDate(const QByteArray &value);

// The message list's "Date" column: the date read above, in local time, in the
// short date and long time formats; else the value unchanged.
QByteArray dateColumn(const QByteArray &value, const RegionalFormats &formats);

} // namespace tarnwell
