#pragma once

#include "FoldedText.h"

#include "classify/text/Condition.h"

#include <QByteArray>

#include <vector>

namespace tarnwell {

class BigramSet;

// One rule's condition with its pattern, parsed and folded once when the rule table
// is compiled. holds() answers exactly as conditionHolds() does on the same text,
// pattern and case flag, but compares against the text's folded form instead of
// folding both sides again for every rule.
class TextTest
{
public:
    TextTest() = default;
    TextTest(Condition condition, const QByteArray &pattern, bool caseSensitive);

    Condition condition() const { return m_condition; }
    const QByteArray &pattern() const { return m_pattern; }
    bool caseSensitive() const { return m_caseSensitive; }
    bool canMatch() const { return m_condition != Condition::None && !m_never; }

    bool holds(FoldedText text) const;
    // False when holds() is false for every text whose folded byte pairs are all in
    // `upperPairs`: a text condition needs its pattern to occur in the text.
    bool mayOccurIn(const BigramSet &upperPairs) const;

private:
    Condition m_condition = Condition::None;
    QByteArray m_pattern;
    QByteArray m_upperPattern;
    bool m_caseSensitive = false;
    bool m_never = false; // a whole word that is blank or holds a delimiter
    std::vector<unsigned> m_pairs; // some byte pairs of the folded pattern
};

} // namespace tarnwell
