#include "classify/text/Condition.h"
#include "classify/text/TextConditions.h"

#include "support/PrintTo.h"

#include <gtest/gtest.h>

using namespace tarnwell;

namespace {

const char *const kCellTexts[] = {"Contains",   "Contains (whole word)", "Equals",       "Starts with",
                                  "Ends with",  "Is blank",              "Is UPPERCASE", "All numeric",
                                  "50% numeric", "First char numeric",   "Contains >= 3 spaces"};

} // namespace

TEST(ConditionCell, EveryCellTextParsesToItsOwnCondition)
{
    QList<Condition> seen;
    for (const char *text : kCellTexts) {
        SCOPED_TRACE(text);
        const Condition c = conditionFromCell(text);
        ASSERT_NE(c, Condition::None);
        EXPECT_FALSE(seen.contains(c));
        seen.append(c);
        EXPECT_EQ(conditionCellText(c), QByteArrayView(text));
        EXPECT_NE(isTextCondition(c), isShapeCondition(c));
    }
    EXPECT_EQ(seen.count(), 11);
    EXPECT_TRUE(isTextCondition(conditionFromCell("Ends with")));
    EXPECT_TRUE(isShapeCondition(conditionFromCell("First char numeric")));
}

TEST(ConditionCell, OtherCellTextsAreNoCondition)
{
    for (const QByteArray &text : {QByteArray(), QByteArray("contains"), QByteArray("Contains "),
                                  QByteArray("Is Uppercase"), QByteArray("Sender"), QByteArray("To does not contain"),
                                  QByteArray("Equals\0", 7)}) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(conditionFromCell(text), Condition::None);
        EXPECT_FALSE(conditionHolds(conditionFromCell(text), "anything", "", false));
    }
    EXPECT_TRUE(conditionCellText(Condition::None).isEmpty());
}

TEST(TextConditions, AnswerAsDefined)
{
    struct Case
    {
        const char *condition;
        QByteArray text, pattern;
        bool caseSensitive, expected;
    };
    const QByteArray longText = QByteArray(300, 'x') + "end";
    const Case cases[] = {
        // Empty patterns.
        {"Contains", "hello", "", false, false},
        {"Contains", "", "", true, false},
        {"Starts with", "hello", "", true, true},
        {"Starts with", "", "", false, true},
        {"Ends with", "hello", "", true, true},
        {"Ends with", "", "", false, true},
        {"Equals", "", "", true, true},
        {"Equals", "x", "", true, false},
        {"Contains (whole word)", "free stuff", "", false, false},
        // Case.
        {"Contains", "GET IT FREE", "free", false, true},
        {"Contains", "GET IT FREE", "free", true, false},
        {"Contains", "get it free", "free", true, true},
        {"Contains", "\xC9T\xC9", "\xE9t\xE9", false, false}, // accented capitals do not fold
        {"Contains", "CAF\xC3\x89", "caf\xC3\xA9", false, false},
        {"Contains", "caf\xC3\xA9 au lait", "CAF\xC3\xA9", false, true},
        {"Contains", "abc", "abcd", false, false},
        {"Contains", "aaab", "aab", false, true},
        {"Contains", "xyz", "Z", false, true},
        {"Contains", QByteArray("a\0b", 3), QByteArray("\0B", 2), false, true},
        {"Equals", "Hello", "HELLO", false, true},
        {"Equals", "Hello", "HELLO", true, false},
        {"Equals", "Hello", "Hello", true, true},
        {"Equals", "Hello", "Hell", false, false},
        {"Starts with", "Hello world", "HELLO", false, true},
        {"Starts with", "Hello world", "HELLO", true, false},
        {"Starts with", "He", "Hello", false, false},
        {"Ends with", "Hello world", "WORLD", false, true},
        {"Ends with", "Hello world", "WORLD", true, false},
        {"Ends with", "ld", "world", false, false},
        // The tail of "Ends with" is at most 255 characters.
        {"Ends with", longText, "end", true, true},
        {"Ends with", longText, QByteArray(252, 'x') + "end", true, true},
        {"Ends with", longText, QByteArray(253, 'x') + "end", true, false},
        {"Ends with", QByteArray(256, 'a'), QByteArray(256, 'a'), true, false},
        {"Ends with", QByteArray(255, 'a'), QByteArray(255, 'A'), false, true},
        // Whole words.
        {"Contains (whole word)", "Get it-FREE!", "free", false, true},
        {"Contains (whole word)", "Get it-FREE!", "free", true, false},
        {"Contains (whole word)", "freedom", "free", false, false},
        {"Contains (whole word)", "make money fast", "make money", false, false},
        {"Contains (whole word)", "make-money", "make-money", false, false},
        {"Contains (whole word)", "free", "free", false, true},
        {"Contains (whole word)", "(free)", "FREE", false, true},
        {"Contains (whole word)", "a\tfree\tb", "free", true, true},
        {"Contains (whole word)", "free_stuff", "free", false, false}, // underscore is no delimiter
        {"Contains (whole word)", "x*free~y", "free", false, true},
        {"Contains (whole word)", "   ", "free", false, false},
        {"Contains (whole word)", "free", " ", false, false},
        {"Contains (whole word)", "\xC9t\xC9 sale", "\xE9t\xE9", false, false},
        // A table's other conditions never match through this entry point.
        {"Is blank", "", "", false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.condition << " text=" << c.text.left(40).toStdString() << " pattern="
                                        << c.pattern.left(40).toStdString() << " case=" << c.caseSensitive);
        EXPECT_EQ(textConditionHolds(conditionFromCell(c.condition), c.text, c.pattern, c.caseSensitive), c.expected);
        if (isTextCondition(conditionFromCell(c.condition))) {
            EXPECT_EQ(conditionHolds(conditionFromCell(c.condition), c.text, c.pattern, c.caseSensitive),
                      c.expected);
        }
    }
}

TEST(ShapeConditions, AnswerAsDefined)
{
    struct Case
    {
        const char *condition;
        QByteArray text;
        bool expected;
    };
    const Case cases[] = {
        {"Is blank", "", true},
        {"Is blank", "\b", true},
        {"Is blank", "\t", false},
        {"Is blank", " \r\n", true},
        {"Is blank", "x", false},
        {"Is UPPERCASE", "BUY NOW 100%", true},
        {"Is UPPERCASE", "12345", true},
        {"Is UPPERCASE", "!!!", true},
        {"Is UPPERCASE", "Buy now", false},
        {"Is UPPERCASE", "   ", false},
        {"Is UPPERCASE", "", false},
        {"Is UPPERCASE", "\xE9T\xC9", true}, // an accented lowercase letter is not an ASCII one
        {"Is UPPERCASE", "\t", true},
        {"All numeric", "", true},
        {"All numeric", "12345", true},
        {"All numeric", "12_34", true},
        {"All numeric", "1234a", false},
        {"All numeric", " 1", false},
        {"50% numeric", "", true},
        {"50% numeric", "abcd123", true},   // 7 characters need 3
        {"50% numeric", "abcde12", false},
        {"50% numeric", "ab1_cd2_", true},  // 2 digits and 2 underscores among 8
        {"50% numeric", "abcdef1_", false},
        {"50% numeric", "a", true},         // half of 1 rounds down to 0
        {"First char numeric", "", false},
        {"First char numeric", "1abc", true},
        {"First char numeric", "_1", false},
        {"First char numeric", "a1", false},
        {"First char numeric", " 1", false},
        {"Contains >= 3 spaces", "a  b", false},
        {"Contains >= 3 spaces", "a   b", true},
        {"Contains >= 3 spaces", "a \t b", false},
        {"Contains >= 3 spaces", "   ", false},
        {"Contains >= 3 spaces", "     \r\n", false},
        {"Contains >= 3 spaces", "    x", true},
        {"Contains >= 3 spaces", "", false},
        {"Contains", "anything", false}, // a text condition is no shape
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.condition << " text='" << c.text.toStdString() << "'");
        EXPECT_EQ(shapeConditionHolds(conditionFromCell(c.condition), c.text), c.expected);
        if (isShapeCondition(conditionFromCell(c.condition))) {
            EXPECT_EQ(conditionHolds(conditionFromCell(c.condition), c.text, "ignored", true), c.expected);
        }
    }
}
