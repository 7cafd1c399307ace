#include "classify/rules/KnownList.h"

#include "support/PrintTo.h"
#include "support/TempHome.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace tarnwell;

namespace {

KnownList listOf(const QByteArray &file)
{
    KnownList list;
    list.load(file);
    return list;
}

} // namespace

TEST(KnownList, LoadsSortedWithoutRegardToCase)
{
    const KnownList list = listOf("zeta.com\r\nAlpha.net\r\n\r\nbeta.org\nALPHA.net\r\nmid@Example.com");
    EXPECT_EQ(list.entries(), (QList<QByteArray>{"Alpha.net", "ALPHA.net", "beta.org", "mid@Example.com", "zeta.com"}));
    EXPECT_TRUE(listOf("").entries().isEmpty());
}

TEST(KnownList, AddingKeepsTheOrder)
{
    KnownList list = listOf("b.com\r\nd.com\r\n");
    list.add("C.com");
    list.add("a.com");
    list.add("E.COM");
    EXPECT_EQ(list.entries(), (QList<QByteArray>{"a.com", "b.com", "C.com", "d.com", "E.COM"}));
}

TEST(KnownList, LooksUpAddressesThenTheirDomain)
{
    const KnownList list = listOf("spammer@bulk.example\r\nSPAM.EXAMPLE\r\nsub.host.example\r\n");
    struct Case
    {
        QByteArray address;
        std::optional<KnownList::Kind> kind;
        QByteArray entry;
    };
    const Case cases[] = {
        {"spammer@bulk.example", KnownList::Kind::Email, "spammer@bulk.example"},
        {"SPAMMER@Bulk.Example", KnownList::Kind::Email, "SPAMMER@Bulk.Example"},
        {"anyone@spam.example", KnownList::Kind::Domain, "spam.example"},
        {"a@b@spam.example", std::nullopt, ""},     // the domain is what follows the first at sign
        {"x@host.spam.example", std::nullopt, ""},  // no stepping up the domain
        {"x@sub.host.example", KnownList::Kind::Domain, "sub.host.example"},
        {"spam.example", KnownList::Kind::Email, "spam.example"},
        {"other@bulk.example", std::nullopt, ""},
        {"", std::nullopt, ""},
        {"x@", std::nullopt, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.address.toStdString());
        const auto match = list.isInKnownList(c.address);
        ASSERT_EQ(match.has_value(), c.kind.has_value());
        if (match) {
            EXPECT_EQ(match->kind, *c.kind);
            EXPECT_EQ(match->entry, c.entry);
            EXPECT_EQ(match->kindText(), *c.kind == KnownList::Kind::Email ? "E-mail" : "Domain");
        }
    }
}

TEST(KnownList, LongEntriesTakePartWithTheirFirstEightyCharacters)
{
    const QByteArray entry = QByteArray(70, 'a') + "@long-domain.example"; // 90 characters
    const QByteArray first80 = entry.left(80);
    const KnownList list = listOf("aaa.example\r\n" + entry + "\r\nzzz.example\r\n");
    EXPECT_TRUE(list.findKnown(first80));
    EXPECT_TRUE(list.findKnown(first80.toUpper()));
    EXPECT_FALSE(list.findKnown(entry)); // the searched text is not shortened
    EXPECT_FALSE(list.findKnown(entry.left(79)));
    const auto match = list.isInKnownList(first80);
    ASSERT_TRUE(match.has_value());
    EXPECT_EQ(match->kind, KnownList::Kind::Email);
    EXPECT_EQ(match->entry, first80);

    // A domain longer than 255 characters is looked up by its first 255.
    const QByteArray domain = QByteArray(300, 'd');
    const KnownList domains = listOf(domain.left(255) + "\r\n");
    EXPECT_FALSE(domains.findKnown(domain.left(255))); // entries compare with 80 characters
    const KnownList shortDomain = listOf(domain.left(80) + "\r\n");
    EXPECT_FALSE(shortDomain.isInKnownList("x@" + domain).has_value());
    EXPECT_TRUE(shortDomain.isInKnownList("x@" + domain.left(80)).has_value());
}

TEST(KnownList, SearchAgreesWithALinearScan)
{
    QByteArray file;
    for (int i = 0; i < 500; ++i)
        file += (i % 3 ? "Host" : "host") + QByteArray::number(i * 7919 % 1000) + ".example\r\n";
    const KnownList list = listOf(file);
    for (int i = 0; i < 1000; ++i) {
        const QByteArray probe = "HOST" + QByteArray::number(i) + ".EXAMPLE";
        const bool linear = std::any_of(list.entries().begin(), list.entries().end(),
                                        [&](const QByteArray &e) { return e.compare(probe, Qt::CaseInsensitive) == 0; });
        EXPECT_EQ(list.findKnown(probe), linear) << probe.toStdString();
    }
}

TEST(KnownList, NumericAddresses)
{
    struct Case
    {
        QByteArray line;
        bool numeric;
    };
    const Case cases[] = {{"12345@example.com", true}, {"_@example.com", true},  {"@example.com", true},
                          {"1_2@x@y", true},           {"a1@example.com", false}, {"12345", false},
                          {"example.com", false},      {" 1@example.com", false}};
    for (const Case &c : cases)
        EXPECT_EQ(KnownList::isNumericAddress(c.line), c.numeric) << c.line.toStdString();
}

TEST(KnownList, RebuildDropsRepeatsAndNumericAddresses)
{
    KnownList list = listOf("old.example\r\n");
    list.rebuild({"SPAM.EXAMPLE", "spam.example", "12345@example.com", "_@example.com"});
    EXPECT_EQ(list.entries(), QList<QByteArray>{"SPAM.EXAMPLE"});

    // An empty line is no entry (it would match every message without a sender).
    list.rebuild({"b.example", "a.example", "B.EXAMPLE", "b.example", "", "c.example", "123@x.example", "c.example"});
    // "B.EXAMPLE" follows "a.example", so it stays; the last "c.example" follows a dropped line.
    EXPECT_EQ(list.entries(),
              (QList<QByteArray>{"a.example", "b.example", "B.EXAMPLE", "c.example", "c.example"}));
}

class KnownListFileTest : public test::HomeTest
{
};

TEST_F(KnownListFileTest, LoadsFromTheDataFolderAndWritesOnlyAnExistingFile)
{
    KnownList list;
    EXPECT_FALSE(list.LoadUpKnownList(home.folder()));
    EXPECT_EQ(list.size(), 0);
    EXPECT_FALSE(list.rebuild({"spam.example"}, home.folder()));
    EXPECT_FALSE(QFile::exists(home.file("known.lst")));
    EXPECT_TRUE(list.findKnown("spam.example")); // rebuilt in memory all the same

    home.write("known.lst", "Zeta.example\r\nalpha.example\r\n");
    ASSERT_TRUE(list.LoadUpKnownList(home.folder()));
    EXPECT_EQ(list.entries(), (QList<QByteArray>{"alpha.example", "Zeta.example"}));
    EXPECT_TRUE(list.rebuild({"new.example", "12@x.example", "Another.example"}, home.folder()));
    EXPECT_EQ(home.read("known.lst"), "Another.example\r\nnew.example\r\n");
    KnownList reloaded;
    ASSERT_TRUE(reloaded.LoadUpKnownList(home.folder()));
    EXPECT_EQ(reloaded.entries(), list.entries());
}
