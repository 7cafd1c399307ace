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
                                  "CAF\xC3\x89",
                                  "X-Mailer: Floodgate 4.1",
                                  "Received: from mail.example.com (mail.example.com [192.0.2.1])",
                                  longTail,
                                  QByteArray(255, 'y'),
                                  QByteArray(256, 'y')};
    const QList<QByteArray> patterns{"",           " ",     "free",           "FREE",  "Free money now",
                                     "make money", "x-mailer: floodgate", "end",   "EXAMPLE.COM",
                                     "\xC3\xA9",   "\xC3\x89", "12",           QByteArray(255, 'y'), QByteArray(256, 'y')};
    for (Condition condition : kConditions) {
        for (bool caseSensitive : {false, true}) {
            for (const QByteArray &pattern : patterns) {
                const TextTest test(condition, pattern, caseSensitive);
                QByteArray buffer;
                for (const QByteArray &text : texts) {
                    const bool expected = conditionHolds(condition, text, pattern, caseSensitive);
                    EXPECT_EQ(test.holds(foldInto(text, buffer)), expected)
                        << "condition " << int(condition) << " case " << caseSensitive << " text '"
                        << text.left(40).toStdString() << "' pattern '" << pattern.left(40).toStdString() << "'";
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
