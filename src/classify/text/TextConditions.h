#pragma once

#include "Condition.h"

#include <QByteArrayView>

namespace tarnwell {

// The text conditions. caseSensitive false compares both sides folded to upper case.
bool textContains(QByteArrayView text, QByteArrayView pattern, bool caseSensitive);   // empty pattern: no
bool textEquals(QByteArrayView text, QByteArrayView pattern, bool caseSensitive);
bool textStartsWith(QByteArrayView text, QByteArrayView pattern, bool caseSensitive); // empty pattern: yes
// Only the last 255 bytes of the text are looked at, so a longer pattern never matches.
bool textEndsWith(QByteArrayView text, QByteArrayView pattern, bool caseSensitive);   // empty pattern: yes

// The shape conditions.
bool isUppercaseText(QByteArrayView text); // not blank and no lowercase ASCII letter
bool isAllNumeric(QByteArrayView text);    // digits and underscores only; empty: yes
bool isHalfNumeric(QByteArrayView text);   // at least half (rounded down) digits or underscores
bool isFirstCharNumeric(QByteArrayView text);
bool hasThreeSpaces(QByteArrayView text);  // not blank and three spaces in a row

// One of the five text conditions; false for any other condition.
bool textConditionHolds(Condition condition, QByteArrayView text, QByteArrayView pattern, bool caseSensitive);
// One of the six shape conditions; false for any other condition.
bool shapeConditionHolds(Condition condition, QByteArrayView text);
// Either kind; the pattern and case flag are ignored by the shape conditions.
bool conditionHolds(Condition condition, QByteArrayView text, QByteArrayView pattern, bool caseSensitive);

} // namespace tarnwell
