#include "TextConditions.h"

#include "AsciiCase.h"
#include "BlankText.h"
#include "Digits.h"
#include "WordDelimiters.h"

#include <algorithm>

namespace tarnwell {

namespace {

constexpr qsizetype kEndsWithTail = 255;

bool sameBytes(QByteArrayView a, QByteArrayView b, bool caseSensitive)
{
    return caseSensitive ? a == b : equalIgnoringCase(a, b);
}

} // namespace

bool textContains(QByteArrayView text, QByteArrayView pattern, bool caseSensitive)
{
    if (pattern.isEmpty() || pattern.size() > text.size())
        return false;
    if (caseSensitive)
        return text.indexOf(pattern) >= 0;
    const char first = upperAscii(pattern.front());
    const QByteArrayView rest = pattern.sliced(1);
    const qsizetype last = text.size() - pattern.size();
    for (qsizetype i = 0; i <= last; ++i) {
        if (upperAscii(text[i]) == first && equalIgnoringCase(text.sliced(i + 1, rest.size()), rest))
            return true;
    }
    return false;
}

bool textEquals(QByteArrayView text, QByteArrayView pattern, bool caseSensitive)
{
    return sameBytes(text, pattern, caseSensitive);
}

bool textStartsWith(QByteArrayView text, QByteArrayView pattern, bool caseSensitive)
{
    return text.size() >= pattern.size() && sameBytes(text.first(pattern.size()), pattern, caseSensitive);
}

bool textEndsWith(QByteArrayView text, QByteArrayView pattern, bool caseSensitive)
{
    const QByteArrayView tail = text.last(std::min(text.size(), kEndsWithTail));
    return tail.size() >= pattern.size() && sameBytes(tail.last(pattern.size()), pattern, caseSensitive);
}

bool isUppercaseText(QByteArrayView text)
{
    // Equal to its uppercased form after the digits are gone: no lowercase letter left.
    return !isBlankText(text)
           && std::none_of(text.begin(), text.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

bool isAllNumeric(QByteArrayView text)
{
    return countDigits(text) == text.size();
}

bool isHalfNumeric(QByteArrayView text)
{
    return countDigits(text) >= text.size() / 2;
}

bool isFirstCharNumeric(QByteArrayView text)
{
    return !text.isEmpty() && isDigit(text.front());
}

bool hasThreeSpaces(QByteArrayView text)
{
    return !isBlankText(text) && text.indexOf("   ") >= 0;
}

bool textConditionHolds(Condition condition, QByteArrayView text, QByteArrayView pattern, bool caseSensitive)
{
    switch (condition) {
    case Condition::Contains:
        return textContains(text, pattern, caseSensitive);
    case Condition::ContainsWholeWord:
        return containsWholeWord(text, pattern, caseSensitive);
    case Condition::Equals:
        return textEquals(text, pattern, caseSensitive);
    case Condition::StartsWith:
        return textStartsWith(text, pattern, caseSensitive);
    case Condition::EndsWith:
        return textEndsWith(text, pattern, caseSensitive);
    default:
        return false;
    }
}

bool shapeConditionHolds(Condition condition, QByteArrayView text)
{
    switch (condition) {
    case Condition::IsBlank:
        return isBlankText(text);
    case Condition::IsUppercase:
        return isUppercaseText(text);
    case Condition::AllNumeric:
        return isAllNumeric(text);
    case Condition::HalfNumeric:
        return isHalfNumeric(text);
    case Condition::FirstCharNumeric:
        return isFirstCharNumeric(text);
    case Condition::ThreeSpaces:
        return hasThreeSpaces(text);
    default:
        return false;
    }
}

bool conditionHolds(Condition condition, QByteArrayView text, QByteArrayView pattern, bool caseSensitive)
{
    if (isTextCondition(condition))
        return textConditionHolds(condition, text, pattern, caseSensitive);
    return shapeConditionHolds(condition, text);
}

} // namespace tarnwell
