#include "TextTest.h"

#include "classify/text/AsciiCase.h"
#include "classify/text/TextConditions.h"
#include "classify/text/WordDelimiters.h"

namespace tarnwell {

namespace {

// "Ends with" looks at the last 255 bytes of the text only.
constexpr qsizetype kEndsWithTail = 255;

} // namespace

TextTest::TextTest(Condition condition, const QByteArray &pattern, bool caseSensitive)
    : m_condition(condition), m_pattern(pattern), m_upperPattern(upperCase(pattern)), m_caseSensitive(caseSensitive)
{
}

bool TextTest::holds(FoldedText folded) const
{
    const QByteArrayView text = m_caseSensitive ? folded.text : folded.upper;
    const QByteArrayView pattern = m_caseSensitive ? QByteArrayView(m_pattern) : QByteArrayView(m_upperPattern);
    switch (m_condition) {
    case Condition::None:
        return false;
    case Condition::Contains:
        return !pattern.isEmpty() && pattern.size() <= text.size() && text.indexOf(pattern) >= 0;
    case Condition::Equals:
        return text == pattern;
    case Condition::StartsWith:
        return text.startsWith(pattern);
    case Condition::EndsWith:
        return pattern.size() <= kEndsWithTail && text.endsWith(pattern);
    case Condition::ContainsWholeWord:
        return containsWholeWord(folded.text, m_pattern, m_caseSensitive);
    default:
        return shapeConditionHolds(m_condition, folded.text);
    }
}

} // namespace tarnwell
