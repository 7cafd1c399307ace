#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <iosfwd>

// Lets a failing GoogleTest assertion print Qt texts readably.
QT_BEGIN_NAMESPACE
void PrintTo(const QString &text, std::ostream *os);
void PrintTo(const QByteArray &bytes, std::ostream *os);
void PrintTo(const QStringList &list, std::ostream *os);
QT_END_NAMESPACE
