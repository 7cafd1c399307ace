#include "mail/headers/EncodedWords.h"
#include "mail/headers/HeaderField.h"

#include "support/PrintTo.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace tarnwell {
namespace {

struct LookupCase
{
    const char *title;
    QList<QByteArray> lines;
    QByteArray name;
    QByteArray expected;
};

void PrintTo(const LookupCase &c, std::ostream *os)
{
    *os << c.title;
}

class HeaderFieldTest : public test::HomeTest, public ::testing::WithParamInterface<LookupCase>
{
};

TEST_P(HeaderFieldTest, Lookup)
{
    EXPECT_EQ(headerField(GetParam().lines, GetParam().name), GetParam().expected);
}

const QByteArray k300(300, 'x');

INSTANTIATE_TEST_SUITE_P(
    Cases, HeaderFieldTest,
    ::testing::Values(
        LookupCase{"plain", {"From: a@b", "Subject: Hello world", ""}, "Subject", "Hello world"},
        LookupCase{"name in any case", {"SUBJECT: Loud", ""}, "subject", "Loud"},
        LookupCase{"first of two wins", {"Subject: one", "Subject: two", ""}, "Subject", "one"},
        LookupCase{"absent", {"From: a@b", ""}, "Subject", ""},
        LookupCase{"longer name is another field", {"Subjects: no", "Subject: yes", ""}, "Subject", "yes"},
        LookupCase{"continuation line is no field", {" Subject: no", "Subject: yes", ""}, "Subject", "yes"},
        LookupCase{"no space after the colon", {"Subject:Hello", ""}, "Subject", "Hello"},
        LookupCase{"value trimmed", {"Subject:    padded \t", ""}, "Subject", "padded"},
        LookupCase{"empty value", {"Subject:", ""}, "Subject", ""},
        LookupCase{"folded with space and tab",
                   {"Subject: first", "   second  ", "\tthird", "From: a@b", ""},
                   "Subject",
                   "first second third"},
        LookupCase{"folding starts on the next line", {"Subject:", " next line", ""}, "Subject", "next line"},
        LookupCase{"stops at the end of the header", {"From: a@b", "", "Subject: in the body"}, "Subject", ""},
        LookupCase{"B word", {"Subject: =?utf-8?B?SGVsbG8=?=", ""}, "Subject", "Hello"},
        LookupCase{"B word without padding", {"Subject: =?utf-8?B?SGVsbG8?=", ""}, "Subject", "Hello"},
        LookupCase{"Q word with hex and underscore",
                   {"Subject: =?iso-8859-1?Q?Gr=FC=DFe_aus_Bonn?=", ""},
                   "Subject",
                   "Gr\xFC\xDF" "e aus Bonn"},
        LookupCase{"bytes kept, no charset conversion",
                   {"Subject: =?utf-8?q?=C3=A9t=C3=A9?=", ""},
                   "Subject",
                   "\xC3\xA9t\xC3\xA9"},
        LookupCase{"lower-case form letter", {"Subject: =?UTF-8?b?SGk=?=", ""}, "Subject", "Hi"},
        LookupCase{"word amid text", {"Subject: Re: =?utf-8?Q?caf=C3=A9?= today", ""}, "Subject", "Re: caf\xC3\xA9 today"},
        LookupCase{"space between adjacent words dropped",
                   {"Subject: =?utf-8?Q?ab?= =?utf-8?Q?cd?=", ""},
                   "Subject",
                   "abcd"},
        LookupCase{"folded encoded words join",
                   {"Subject: =?utf-8?B?SGVs?=", " =?utf-8?B?bG8=?=", ""},
                   "Subject",
                   "Hello"},
        LookupCase{"after a decoded word every underscore is a space",
                   {"Subject: =?utf-8?Q?x?= my_file_name", ""},
                   "Subject",
                   "x my file name"},
        LookupCase{"underscores stay without a decoded word", {"Subject: my_file_name", ""}, "Subject", "my_file_name"},
        LookupCase{"broken word stays", {"Subject: =?utf-8?B?###?= tail_end", ""}, "Subject", "=?utf-8?B?###?= tail_end"},
        LookupCase{"unknown form stays", {"Subject: =?utf-8?X?abc?=", ""}, "Subject", "=?utf-8?X?abc?="},
        LookupCase{"unterminated word stays", {"Subject: =?utf-8?Q?abc", ""}, "Subject", "=?utf-8?Q?abc"},
        LookupCase{"Content-Type not decoded",
                   {"Content-Type: text/plain; name=\"=?utf-8?Q?a_b?=\"", ""},
                   "Content-Type",
                   "text/plain; name=\"=?utf-8?Q?a_b?=\""},
        LookupCase{"X-UIDL not decoded", {"X-UIDL: =?x?Q?a_b?=", ""}, "x-uidl", "=?x?Q?a_b?="},
        LookupCase{"cut to 255", {"Subject: " + k300, ""}, "Subject", k300.left(255)},
        LookupCase{"Content-Type not cut", {"Content-Type: " + k300, ""}, "Content-Type", k300},
        LookupCase{"cut keeps whole UTF-8 characters",
                   {"Subject: " + QByteArray(254, 'a') + "\xC3\xA9", ""},
                   "Subject",
                   QByteArray(254, 'a')},
        LookupCase{"cut of Latin-1 is by bytes",
                   {"Subject: " + QByteArray(254, 'a') + "\xE9\xE9", ""},
                   "Subject",
                   QByteArray(254, 'a') + "\xE9"}));

TEST(EncodedWordsTest, TellsWhetherAWordWasDecoded)
{
    test::TempHome home;
    bool decoded = true;
    EXPECT_EQ(decodeEncodedWords("plain text", &decoded), "plain text");
    EXPECT_FALSE(decoded);
    EXPECT_EQ(decodeEncodedWords("=?a?Q?x?=", &decoded), "x");
    EXPECT_TRUE(decoded);
}

TEST(EncodedWordsTest, DecodedLineBreaksAndNulsAreKeptAsBytes)
{
    test::TempHome home;
    // "a\r\nb\0c" in base64; what a value holds is shown safely by whoever shows it.
    EXPECT_EQ(decodeEncodedWords("=?x?B?YQ0KYgBj?="), QByteArray("a\r\nb\0c", 6));
}

} // namespace
} // namespace tarnwell
