#include "classify/text/AsciiCase.h"
#include "classify/text/BlankText.h"
#include "classify/text/Digits.h"

#include "support/PrintTo.h"

#include <gtest/gtest.h>

using namespace tarnwell;

TEST(AsciiCase, FoldsOnlyTheAsciiLetters)
{
    struct Case
    {
        QByteArray text, upper, lower;
    };
    const Case cases[] = {
        {"", "", ""},
        {"Free Money 4U!", "FREE MONEY 4U!", "free money 4u!"},
        {"az AZ @[`{", "AZ AZ @[`{", "az az @[`{"},
        // Latin-1 and UTF-8 accented letters keep their case.
        {"\xE9t\xC9", "\xE9T\xC9", "\xE9t\xC9"},
        {"caf\xC3\xA9 CAF\xC3\x89", "CAF\xC3\xA9 CAF\xC3\x89", "caf\xC3\xA9 caf\xC3\x89"},
        {QByteArray("a\0b", 3), QByteArray("A\0B", 3), QByteArray("a\0b", 3)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(upperCase(c.text), c.upper);
        EXPECT_EQ(lowerCase(c.text), c.lower);
        EXPECT_TRUE(equalIgnoringCase(c.upper, c.lower));
    }
    EXPECT_FALSE(equalIgnoringCase("\xC9", "\xE9"));
    EXPECT_FALSE(equalIgnoringCase("abc", "abcd"));
}

TEST(BlankText, OnlySpaceCrLfAndBackspaceAreBlank)
{
    struct Case
    {
        QByteArray text;
        bool blank;
    };
    const Case cases[] = {
        {"", true},     {" ", true},      {"\b", true},    {"\r\n", true},  {" \r\n\b ", true},
        {"\t", false},  {" \t ", false},  {"x", false},    {"  a  ", false}, {"\f", false},
        {"\v", false},  {QByteArray(1, '\0'), false},      {"\xA0", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(isBlankText(c.text), c.blank);
    }
}

TEST(Digits, CountDigitsCountsUnderscoresAndStripDigitsKeepsThem)
{
    struct Case
    {
        QByteArray text;
        qsizetype count;
        QByteArray stripped;
    };
    const Case cases[] = {
        {"", 0, ""},
        {"abc", 0, "abc"},
        {"0123456789", 10, ""},
        {"a1_b2", 3, "a_b"},
        {"__", 2, "__"},
        {"\xB2\xB3 x", 0, "\xB2\xB3 x"}, // superscript digits are not digits
        {"BUY NOW 100%", 3, "BUY NOW %"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(countDigits(c.text), c.count);
        EXPECT_EQ(stripDigits(c.text), c.stripped);
    }
}
