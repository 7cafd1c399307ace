#pragma once

#include <QByteArray>
#include <QString>

namespace tarnwell {

// Header values are bytes. The window shows them as UTF-8 when they are valid
// UTF-8 and as Latin-1 otherwise; that is display only.
QString displayText(const QByteArray &bytes);

// The other way, for text the user typed into a rule or a field: UTF-8 bytes.
QByteArray storedBytes(const QString &text);

} // namespace tarnwell
