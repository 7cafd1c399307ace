#include "classify/text/WordDelimiters.h"

#include "support/PrintTo.h"

#include <gtest/gtest.h>

using namespace tarnwell;

TEST(WordDelimiters, AreExactlyTheThirtyFiveCharacters)
{
    const QByteArray expected = "\t'\r\n ,./?;:`\"<>[]{}-=\\+|()%@&^$#!~*";
    QByteArray found;
    for (int c = 0; c < 256; ++c) {
        if (isWordDelimiter(char(c)))
            found.append(char(c));
    }
    EXPECT_EQ(found.size(), 35);
    std::sort(found.begin(), found.end());
    QByteArray sorted = expected;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(found, sorted);
    for (char c : QByteArray("_09azAZ\b\f\xA0"))
        EXPECT_FALSE(isWordDelimiter(c)) << int(c);
}

TEST(SplitWords, CutsAtDelimitersAndDropsEmptyPieces)
{
    struct Case
    {
        QByteArray text;
        QList<QByteArray> words;
    };
    const Case cases[] = {
        {"", {}},
        {" \r\n\b", {}},
        {"\b", {}},
        {"\t", {}},
        {"one", {"one"}},
        {"Get it-FREE!", {"Get", "it", "FREE"}},
        {"  a,,b  ", {"a", "b"}},
        {"user_name@mail.example.com", {"user_name", "mail", "example", "com"}},
        {"\bx\b", {"\bx\b"}}, // backspace is blank but no delimiter
        {"caf\xC3\xA9 (au lait)", {"caf\xC3\xA9", "au", "lait"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(splitWords(c.text), c.words);
    }
}
