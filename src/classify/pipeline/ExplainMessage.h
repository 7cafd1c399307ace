#pragma once

#include <QByteArray>
#include <QList>

namespace tarnwell {

class Classifier;

// The engine of "Why was this e-mail marked?" for one row: clears the reason list,
// adds the sender and subject lines, judges the row in explanation mode from no mark
// (so every matching rule and check is listed and no hit count changes), adds the
// closing remarks that compare the result with the row's mark, and gives the row its
// mark back. Returns the reason list; nothing for an index outside the list.
QList<QByteArray> explainMessage(Classifier &classifier, int index);

} // namespace tarnwell
