#pragma once

#include <QByteArrayView>

namespace tarnwell {

// A rule's condition, parsed from its cell text. The cells stay the truth; parsing
// is a handful of length checks and compares, cheap enough to do per row and message.
enum class Condition {
    None, // empty or unknown cell text: never matches
    // Text conditions: a text, a pattern and a case flag.
    Contains,
    ContainsWholeWord,
    Equals,
    StartsWith,
    EndsWith,
    // Shape conditions: the text alone.
    IsBlank,
    IsUppercase,
    AllNumeric,
    HalfNumeric,
    FirstCharNumeric,
    ThreeSpaces,
};

// Exact, case-sensitive cell text to condition ("Is UPPERCASE" -> IsUppercase).
Condition conditionFromCell(QByteArrayView cellText);

// The cell text of a condition; empty for None.
QByteArrayView conditionCellText(Condition condition);

constexpr bool isTextCondition(Condition c)
{
    return c >= Condition::Contains && c <= Condition::EndsWith;
}

constexpr bool isShapeCondition(Condition c)
{
    return c >= Condition::IsBlank && c <= Condition::ThreeSpaces;
}

} // namespace tarnwell
