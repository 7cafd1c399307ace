#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace tarnwell {

// A text together with its ASCII-uppercased form, so that a case-insensitive
// comparison against many rules folds the text only once.
struct FoldedText
{
    QByteArrayView text;
    QByteArrayView upper;
};

// Writes the uppercased text into buffer (reusing its memory) and returns both.
FoldedText foldInto(QByteArrayView text, QByteArray &buffer);

} // namespace tarnwell
