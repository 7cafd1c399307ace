#pragma once

#include <QByteArrayView>

namespace tarnwell {

// The first occurrence of a non-empty pattern in text at or after `from`, or -1.
// The classifier searches every header line for every rule, so this uses the C
// library's tuned search where there is one.
qsizetype findBytes(QByteArrayView text, QByteArrayView pattern, qsizetype from = 0);

} // namespace tarnwell
