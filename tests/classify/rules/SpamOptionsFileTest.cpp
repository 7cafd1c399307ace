#include "classify/rules/IniDocument.h"
#include "classify/rules/SpamOptionsFile.h"

#include "support/PrintTo.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <optional>

using namespace tarnwell;

namespace {

SpamOptions fromText(const QByteArray &ini)
{
    return SpamOptionsFile::fromIni(IniDocument::parse(ini));
}

} // namespace

TEST(SpamOptionsFile, DefaultsAreWrittenInOrderWithTheUnreadSpellKeys)
{
    IniDocument ini;
    SpamOptionsFile::toIni(SpamOptions(), ini);
    EXPECT_EQ(ini.serialize(),
              "[Smaller]\r\nQSmaller=0\r\nNum=100\r\nCheck=1\r\n"
              "[Larger]\r\nQLarger=0\r\nNum=20000\r\nCheck=1\r\n"
              "[Known]\r\nQMonitor=1\r\nValid=0\r\nQuestion=0\r\nNum=0\r\n"
              "[Ascii]\r\nQMonitor=1\r\nQuestion=1\r\nNum=0\r\nRange=0\r\n"
              "[WhiteList]\r\nQOnly=0\r\n"
              "[Spell]\r\nQSpell=1\r\nQSpellLast=1\r\nCount=0\r\nSpellChecked=1\r\nSpellQuestion=0\r\n"
              "LastSpellChecked=1\r\nLastQuestion=0\r\nEndsLetter=1\r\nEndsLetterCheck=1\r\nEndsLetterQues=0\r\n"
              "EndsNumber=1\r\nEndsNumberCheck=1\r\nEndsNumberQues=0\r\n");
}

TEST(SpamOptionsFile, EmptyFileGivesEveryDefault)
{
    const SpamOptions o = fromText("");
    EXPECT_FALSE(o.smallerOn);
    EXPECT_EQ(o.smallerLimit, 100);
    EXPECT_TRUE(o.smallerDeletes);
    EXPECT_FALSE(o.largerOn);
    EXPECT_EQ(o.largerLimit, 20000);
    EXPECT_TRUE(o.largerDeletes);
    EXPECT_TRUE(o.knownSpammers);
    EXPECT_FALSE(o.validDomains);
    EXPECT_FALSE(o.unknownDeletes);
    EXPECT_EQ(o.unknownCount, "0");
    EXPECT_TRUE(o.asciiOn);
    EXPECT_FALSE(o.asciiDeletes);
    EXPECT_EQ(o.asciiCount, "0");
    EXPECT_EQ(o.asciiRange, 0);
    EXPECT_FALSE(o.whiteListOnly);
    EXPECT_TRUE(o.spellOn && o.spellLastOn && o.spellCountDeletes && o.spellLastDeletes && o.endsLetterOn
                && o.endsLetterDeletes && o.endsNumberOn && o.endsNumberDeletes);
    EXPECT_EQ(o.spellCount, 0);
}

TEST(SpamOptionsFile, QuestionKeysMeanOppositeChoices)
{
    // "Known"/"Question" = 1 is the check mark, "Ascii"/"Question" = 1 the question mark.
    const SpamOptions ones = fromText("[Known]\r\nQuestion=1\r\n[Ascii]\r\nQuestion=1\r\n");
    EXPECT_TRUE(ones.unknownDeletes);
    EXPECT_FALSE(ones.asciiDeletes);
    const SpamOptions zeros = fromText("[Known]\r\nQuestion=0\r\n[Ascii]\r\nQuestion=0\r\n");
    EXPECT_FALSE(zeros.unknownDeletes);
    EXPECT_TRUE(zeros.asciiDeletes);
}

TEST(SpamOptionsFile, MissingSpellSectionTurnsAllSpellingChecksOnWithTheCheckMark)
{
    const SpamOptions o = fromText("[Smaller]\r\nQSmaller=1\r\n[Ascii]\r\nQMonitor=0\r\n");
    EXPECT_TRUE(o.smallerOn);
    EXPECT_FALSE(o.asciiOn);
    EXPECT_TRUE(o.spellOn && o.spellLastOn && o.endsLetterOn && o.endsNumberOn);
    EXPECT_TRUE(o.spellCountDeletes && o.spellLastDeletes && o.endsLetterDeletes && o.endsNumberDeletes);
}

TEST(SpamOptionsFile, TheUnreadQuestionKeysAreNeverRead)
{
    const SpamOptions o = fromText("[Spell]\r\nSpellQuestion=1\r\nLastQuestion=1\r\nEndsLetterQues=1\r\n"
                                   "EndsNumberQues=1\r\nEndsNumberCheck=0\r\n");
    EXPECT_TRUE(o.spellCountDeletes && o.spellLastDeletes && o.endsLetterDeletes);
    EXPECT_FALSE(o.endsNumberDeletes);
    IniDocument ini;
    SpamOptionsFile::toIni(o, ini);
    EXPECT_EQ(ini.value("Spell", "EndsNumberQues"), "1");
    EXPECT_EQ(ini.value("Spell", "SpellQuestion"), "0");
}

TEST(SpamOptionsFile, YesIsANumberOtherThanZero)
{
    struct Case
    {
        QByteArray stored;
        std::optional<bool> yes; // none: no number, the default stays
    };
    const Case cases[] = {{"1", true},       {"2", true},   {"-1", true},  {" 7 ", true},
                          {"0", false},      {"00", false}, {"", {}},      {"yes", {}},
                          {"true", {}},      {"1x", {}},    {"0x1", {}}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.stored.toStdString());
        EXPECT_EQ(fromText("[WhiteList]\r\nQOnly=" + c.stored + "\r\n").whiteListOnly, c.yes.value_or(false));
        EXPECT_EQ(fromText("[Spell]\r\nQSpell=" + c.stored + "\r\n").spellOn, c.yes.value_or(true));
    }
}

TEST(SpamOptionsFile, NamesMatchWithoutRegardToCase)
{
    const SpamOptions o = fromText("[larger]\r\nqlarger=1\r\nNUM=5000\r\n[SPELL]\r\ncount=2\r\n[known]\r\nnum=41\r\n");
    EXPECT_TRUE(o.largerOn);
    EXPECT_EQ(o.largerLimit, 5000);
    EXPECT_EQ(o.spellCount, 2);
    EXPECT_EQ(o.unknownCount, "41");
}

TEST(SpamOptionsFile, NumbersStayInTheirRangesAndCountersStayText)
{
    const SpamOptions o = fromText("[Smaller]\r\nNum=200000\r\n[Larger]\r\nNum=-5\r\n[Ascii]\r\nRange=9\r\nNum=lots\r\n"
                                   "[Spell]\r\nCount=x\r\n[Known]\r\nNum=\r\n");
    EXPECT_EQ(o.smallerLimit, 100000);
    EXPECT_EQ(o.largerLimit, 0);
    EXPECT_EQ(o.asciiRange, 3);
    EXPECT_EQ(o.spellCount, 0);
    EXPECT_EQ(o.asciiCount, "lots");
    EXPECT_EQ(o.unknownCount, "");
}

TEST(SpamOptions, CountersCountUpAsNumbers)
{
    struct Case
    {
        QString before, after;
    };
    const Case cases[] = {{"0", "1"}, {"41", "42"}, {"", "1"}, {"lots", "1"}, {"-3", "-2"}};
    for (const Case &c : cases) {
        SpamOptions o;
        o.unknownCount = c.before;
        o.asciiCount = c.before;
        o.bumpUnknown();
        EXPECT_EQ(o.unknownCount, c.after);
        EXPECT_EQ(o.asciiCount, c.before);
        o.bumpNonAscii();
        EXPECT_EQ(o.asciiCount, c.after);
    }
}

class SpamOptionsFileTest : public test::HomeTest
{
};

TEST_F(SpamOptionsFileTest, SavingKeepsOtherSectionsAndKeys)
{
    home.write("tarnwell.ini", "; kept comment\r\n[Smaller]\r\nqsmaller=1\r\nExtra=keep me\r\n\r\n[Other]\r\nA=B\r\n");
    const QString path = home.file("tarnwell.ini");
    SpamOptions o = SpamOptionsFile::read(path);
    EXPECT_TRUE(o.smallerOn);
    o.smallerOn = false;
    o.unknownCount = QStringLiteral("3");
    ASSERT_TRUE(SpamOptionsFile::write(path, o));
    const QByteArray written = home.read("tarnwell.ini");
    EXPECT_TRUE(written.startsWith("; kept comment\r\n[Smaller]\r\nQSmaller=0\r\nExtra=keep me\r\nNum=100\r\nCheck=1\r\n\r\n"
                                   "[Other]\r\nA=B\r\n[Larger]\r\n"))
        << written.toStdString();
    EXPECT_EQ(SpamOptionsFile::read(path), o);
}

TEST_F(SpamOptionsFileTest, AMissingFileGivesDefaultsAndARoundTripKeepsEveryValue)
{
    const QString path = home.file("tarnwell.ini");
    EXPECT_EQ(SpamOptionsFile::read(path), SpamOptions());
    SpamOptions o;
    o.smallerOn = o.largerOn = o.validDomains = o.unknownDeletes = o.asciiDeletes = o.whiteListOnly = true;
    o.smallerDeletes = o.largerDeletes = o.knownSpammers = o.asciiOn = o.spellOn = o.spellLastOn = false;
    o.spellCountDeletes = o.spellLastDeletes = o.endsLetterOn = o.endsLetterDeletes = o.endsNumberOn = false;
    o.endsNumberDeletes = false;
    o.smallerLimit = 1;
    o.largerLimit = 99999999;
    o.asciiRange = 2;
    o.spellCount = 1;
    o.unknownCount = QStringLiteral("12");
    o.asciiCount = QStringLiteral("34");
    ASSERT_TRUE(SpamOptionsFile::write(path, o));
    EXPECT_EQ(SpamOptionsFile::read(path), o);
}
