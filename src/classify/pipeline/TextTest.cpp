#include "TextTest.h"

#include "BigramSet.h"
#include "FindBytes.h"

#include "classify/text/AsciiCase.h"
#include "classify/text/BlankText.h"
#include "classify/text/TextConditions.h"
#include "classify/text/WordDelimiters.h"

#include <algorithm>

namespace tarnwell {

namespace {

// "Ends with" looks at the last 255 bytes of the text only.
constexpr qsizetype kEndsWithTail = 255;
// Enough pairs to rule out nearly every pattern that does not occur.
constexpr qsizetype kPairsTested = 8;

// A piece between delimiters equals the word exactly when an occurrence of the word
// (which holds no delimiter) has a delimiter or an end of the text on either side.
bool containsWord(QByteArrayView text, QByteArrayView word)
{
    for (qsizetype at = findBytes(text, word); at >= 0; at = findBytes(text, word, at + 1)) {
        const qsizetype end = at + word.size();
        if ((at == 0 || isWordDelimiter(text[at - 1])) && (end == text.size() || isWordDelimiter(text[end])))
            return true;
    }
    return false;
}

} // namespace

TextTest::TextTest(Condition condition, const QByteArray &pattern, bool caseSensitive)
    : m_condition(condition), m_pattern(pattern), m_upperPattern(upperCase(pattern)), m_caseSensitive(caseSensitive)
{
    if (condition == Condition::ContainsWholeWord)
        m_never = isBlankText(pattern) || std::any_of(pattern.begin(), pattern.end(), isWordDelimiter);
    if (isTextCondition(condition) && m_upperPattern.size() >= 2) {
        const qsizetype pairs = m_upperPattern.size() - 1;
        const qsizetype step = std::max<qsizetype>(1, pairs / kPairsTested);
        const auto *bytes = reinterpret_cast<const unsigned char *>(m_upperPattern.constData());
        for (qsizetype i = 0; i < pairs; i += step)
            m_pairs.push_back(BigramSet::index(bytes[i], bytes[i + 1]));
    }
}

bool TextTest::holds(FoldedText folded) const
{
    const QByteArrayView text = m_caseSensitive ? folded.text : folded.upper;
    const QByteArrayView pattern = m_caseSensitive ? QByteArrayView(m_pattern) : QByteArrayView(m_upperPattern);
    switch (m_condition) {
    case Condition::None:
        return false;
    case Condition::Contains:
        return findBytes(text, pattern) >= 0;
    case Condition::Equals:
        return text == pattern;
    case Condition::StartsWith:
        return text.startsWith(pattern);
    case Condition::EndsWith:
        return pattern.size() <= kEndsWithTail && text.endsWith(pattern);
    case Condition::ContainsWholeWord:
        return !m_never && containsWord(text, pattern);
    default:
        return shapeConditionHolds(m_condition, folded.text);
    }
}

bool TextTest::mayOccurIn(const BigramSet &upperPairs) const
{
    return std::all_of(m_pairs.begin(), m_pairs.end(), [&](unsigned pair) {
        return upperPairs.contains(static_cast<unsigned char>(pair >> 8), static_cast<unsigned char>(pair & 0xff));
    });
}

} // namespace tarnwell
