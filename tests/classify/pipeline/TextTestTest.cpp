#include "classify/pipeline/BigramSet.h"
#include "classify/pipeline/TextTest.h"

#include "classify/text/TextConditions.h"

#include "support/PrintTo.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace tarnwell;

namespace {
class TextTestTest : public test::HomeTest
{
};
} // namespace

namespace {

constexpr Condition kConditions[] = {
    Condition::None,        Condition::Contains,   Condition::ContainsWholeWord, Condition::Equals,
    Condition::StartsWith,  Condition::EndsWith,   Condition::IsBlank,           Condition::IsUppercase,
    Condition::AllNumeric,  Condition::HalfNumeric, Condition::FirstCharNumeric, Condition::ThreeSpaces,
};

} // namespace

// The compiled test must answer exactly what the text conditions answer, for every
// condition, both case flags and texts chosen around each condition's edges.
TEST_F(TextTestTest, AnswersAsTheTextConditions)
{
    const QByteArray longTail = QByteArray(300, 'x') + "end";
    const QList<QByteArray> texts{"",
                                  " ",
                                  "\b",
                                  "\t",
                                  "   ",
                                  "FREE",
                                  "free",
                                  "Get it-FREE!",
                                  "freedom",
                                  "Free money now",
                                  "BUY NOW 100%",
                                  "12345",
                                  "12_34",
                                  "1a",
                                  "a  b   c",
                                  "Caf\xC3\xA9",
                                  "it's free-ish",
                                  "freefree free",
                                  "a\bfree",
                                  "\bfree",
                                  "(free)",
                                  "CAF\xC3\x89",
                                  "X-Mailer: Floodgate 4.1",
                                  "Received: from mail.example.com (mail.example.com [192.0.2.1])",
                                  longTail,
                                  QByteArray(255, 'y'),
                                  QByteArray(256, 'y')};
    const QList<QByteArray> patterns{"",           " ",     "free",           "FREE",  "Free money now",
                                     "make money", "x-mailer: floodgate", "end",   "EXAMPLE.COM",
                                     "\xC3\xA9",   "\xC3\x89", "12", "-", "\b", "a\bfree", "fr ee",
                                     QByteArray(255, 'y'), QByteArray(256, 'y')};
    for (Condition condition : kConditions) {
        for (bool caseSensitive : {false, true}) {
            for (const QByteArray &pattern : patterns) {
                const TextTest test(condition, pattern, caseSensitive);
                QByteArray buffer;
                for (const QByteArray &text : texts) {
                    const bool expected = conditionHolds(condition, text, pattern, caseSensitive);
                    const FoldedText folded = foldInto(text, buffer);
                    EXPECT_EQ(test.holds(folded), expected)
                        << "condition " << int(condition) << " case " << caseSensitive << " text '"
                        << text.left(40).toStdString() << "' pattern '" << pattern.left(40).toStdString() << "'";
                    // The pair filter may pass a text over only when the test fails on it.
                    BigramSet pairs;
                    pairs.addText(folded.upper);
                    if (expected) {
                        EXPECT_TRUE(test.mayOccurIn(pairs))
                            << text.left(40).toStdString() << " / " << pattern.left(40).toStdString();
                    }
                }
            }
        }
    }
}

TEST_F(TextTestTest, NoneNeverMatches)
{
    const TextTest test;
    QByteArray buffer;
    EXPECT_FALSE(test.canMatch());
    EXPECT_FALSE(test.holds(foldInto("", buffer)));
    EXPECT_FALSE(test.holds(foldInto("anything", buffer)));
}

TEST_F(TextTestTest, ThePairFilterPassesOverLinesWithoutThePattern)
{
    BigramSet pairs;
    for (const QByteArray line : {"X-MAILER: THUNDERBIRD 115", "RECEIVED: FROM MX.EXAMPLE.COM"})
        pairs.addText(line);
    EXPECT_TRUE(TextTest(Condition::Contains, "x-mailer: thunder", false).mayOccurIn(pairs));
    EXPECT_TRUE(TextTest(Condition::StartsWith, "Received", true).mayOccurIn(pairs));
    EXPECT_FALSE(TextTest(Condition::Contains, "X-Mailer: Floodgate", false).mayOccurIn(pairs));
    // Each line on its own: a pair across the end of one line and the start of the next is not there.
    EXPECT_FALSE(TextTest(Condition::Contains, "115RECEIVED", false).mayOccurIn(pairs));
    // Nothing to rule out: short patterns and shape conditions.
    EXPECT_TRUE(TextTest(Condition::Contains, "q", false).mayOccurIn(pairs));
    EXPECT_TRUE(TextTest(Condition::IsUppercase, "", false).mayOccurIn(pairs));
}
