#pragma once

#include <QByteArray>
#include <QList>

namespace tarnwell::test {

// A small message with CR LF line ends: a subject and sender that name n, a folded
// header line and a two-line body.
QByteArray testMessage(int n);
// Messages 1..count made by testMessage().
QList<QByteArray> testMessages(int count);
// The header lines a listing keeps of testMessage(n): up to the blank line, then
// one empty line.
QList<QByteArray> testHeaderLines(int n);

} // namespace tarnwell::test
