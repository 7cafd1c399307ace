#include "PipelineFixture.h"

#include <cctype>
#include <functional>
#include <vector>

using namespace tarnwell;
using test::mail;

namespace {

using Setup = std::function<void(RuleTables &, SpamOptions &, KnownList &)>;

struct Hits
{
    RuleTableKind table;
    int row;
    int count;
};

struct Case
{
    const char *name;
    Setup setup;
    MessageInput message;
    Mark expected;
    std::vector<Hits> hits = {};
    Mark start = kNoMark;
    int slot = 1;
};

constexpr auto Subject = RuleTableKind::Subject;
constexpr auto Header = RuleTableKind::Header;
constexpr auto Sender = RuleTableKind::Sender;
constexpr auto WhiteList = RuleTableKind::WhiteList;

void subjectRule(RuleTables &t, QByteArray condition, QByteArray pattern, QByteArray caseFlag, QByteArray deletes)
{
    appendRule(t.gridSubject, {"", condition, pattern, caseFlag, deletes, "0"});
}

void senderRule(RuleTables &t, QByteArray what, QByteArray condition, QByteArray pattern, QByteArray deletes)
{
    appendRule(t.gridFrom, {"", what, condition, pattern, deletes, "0"});
}

void headerRule(RuleTables &t, QByteArray what, QByteArray matches, QByteArray caseFlag, QByteArray deletes)
{
    appendRule(t.gridHeader, {"", what, matches, caseFlag, deletes, "0"});
}

void whiteRule(RuleTables &t, QByteArray what, QByteArray condition, QByteArray matches, QByteArray caseFlag = "No",
               QByteArray image = "")
{
    appendRule(t.gridExcept, {what, condition, matches, caseFlag, "0", "", image});
}

const MessageInput kPlain = mail("bob@example.com", "Bob", "free offer");

MessageInput withLines(const QList<QByteArray> &lines)
{
    return mail("bob@example.com", "Bob", "Hello", lines);
}

MessageInput ofSize(std::optional<qint64> size)
{
    return mail("bob@example.com", "Bob", "Hello", {}, size);
}

// Header lines as given, without the closing empty line.
MessageInput rawLines(QList<QByteArray> lines)
{
    MessageInput m = mail("bob@example.com", "Bob", "Hello");
    m.headerLines = std::move(lines);
    return m;
}

const std::vector<Case> &cases()
{
    static const std::vector<Case> list{
        // White list.
        {"white list beats a delete rule and its count does not rise",
         [](RuleTables &t, SpamOptions &, KnownList &) {
             whiteRule(t, "Domain name", "Equals", "example.com");
             subjectRule(t, "Contains", "free", "No", "Yes");
         },
         kPlain, 3, {{WhiteList, 1, 1}, {Subject, 1, 0}}},
        {"friend image from column 6",
         [](RuleTables &t, SpamOptions &, KnownList &) { whiteRule(t, "Domain name", "Equals", "example.com", "No", "7"); },
         kPlain, 7},
        {"friend image that is no number gives 3",
         [](RuleTables &t, SpamOptions &, KnownList &) { whiteRule(t, "Domain name", "Equals", "example.com", "No", "x"); },
         kPlain, 3},
        {"E-mail address row accepts a longer address starting with it",
         [](RuleTables &t, SpamOptions &, KnownList &) { whiteRule(t, "E-mail address", "Equals", "friend@example.com"); },
         mail("Friend@Example.com.evil.net", "", "x"), 3},
        {"E-mail address row does not accept an address that only ends with it",
         [](RuleTables &t, SpamOptions &, KnownList &) { whiteRule(t, "E-mail address", "Equals", "friend@example.com"); },
         mail("xfriend@example.com", "", "x"), kNoMark, {{WhiteList, 1, 0}}},
        {"Domain name row accepts another domain ending in the same letters",
         [](RuleTables &t, SpamOptions &, KnownList &) { whiteRule(t, "Domain name", "Equals", "ample.COM"); },
         mail("joe@sample.com", "", "x"), 3},
        {"Domain name row does not accept a longer ending",
         [](RuleTables &t, SpamOptions &, KnownList &) { whiteRule(t, "Domain name", "Equals", "example.com"); },
         mail("joe@example.com.au", "", "x"), kNoMark},
        {"Real name row accepts by prefix",
         [](RuleTables &t, SpamOptions &, KnownList &) { whiteRule(t, "Real name", "Equals", "bob", "No", "4"); },
         mail("x@y.org", "Bobby Tables", "x"), 4},
        {"white-list row with empty column 0 is skipped, the next decides",
         [](RuleTables &t, SpamOptions &, KnownList &) {
             whiteRule(t, "", "Contains", "example.com", "No", "5");
             whiteRule(t, "Domain name", "Equals", "example.com", "No", "6");
         },
         kPlain, 6, {{WhiteList, 1, 0}, {WhiteList, 2, 1}}},
        {"the first matching white-list row decides",
         [](RuleTables &t, SpamOptions &, KnownList &) {
             whiteRule(t, "Domain name", "Equals", "example.com", "No", "5");
             whiteRule(t, "E-mail address", "Equals", "bob@", "No", "9");
         },
         kPlain, 5, {{WhiteList, 1, 1}, {WhiteList, 2, 0}}},
        {"Subject row respects its case flag",
         [](RuleTables &t, SpamOptions &, KnownList &) { whiteRule(t, "Subject", "Contains", "Invoice", "Yes"); },
         mail("a@b.c", "", "your invoice"), kNoMark},
        {"Subject row with its condition",
         [](RuleTables &t, SpamOptions &, KnownList &) { whiteRule(t, "Subject", "Ends with", "Invoice", "Yes"); },
         mail("a@b.c", "", "Your Invoice"), 3},
        {"Any Header row matches a header line",
         [](RuleTables &t, SpamOptions &, KnownList &) { whiteRule(t, "Any Header", "Starts with", "x-friend: yes"); },
         withLines({"X-Friend: YES"}), 3},
        {"Any Header row does not look at the last line",
         [](RuleTables &t, SpamOptions &, KnownList &) { whiteRule(t, "Any Header", "Contains", "X-Friend"); },
         rawLines({"From: bob@example.com", "X-Friend: yes"}), kNoMark},
        {"field row matches the field's value",
         [](RuleTables &t, SpamOptions &, KnownList &) { whiteRule(t, "CC:", "Contains", "team@", "No", "12"); },
         withLines({"Cc: The Team <team@example.org>"}), 12},
        {"field row does not match another field",
         [](RuleTables &t, SpamOptions &, KnownList &) { whiteRule(t, "CC:", "Contains", "team@"); },
         withLines({"To: team@example.org"}), kNoMark},
        {"white-list row condition the white list does not evaluate",
         [](RuleTables &t, SpamOptions &, KnownList &) { whiteRule(t, "Subject", "Is blank", ""); },
         mail("a@b.c", "", ""), kNoMark},
        // White list only.
        {"white list only: no match gives the delete mark and nothing else is checked",
         [](RuleTables &t, SpamOptions &o, KnownList &) {
             o.whiteListOnly = true;
             subjectRule(t, "Contains", "free", "No", "No");
         },
         kPlain, kDeleteMark, {{Subject, 1, 0}}},
        {"white list only: a match keeps its friend image",
         [](RuleTables &t, SpamOptions &o, KnownList &) {
             o.whiteListOnly = true;
             whiteRule(t, "Domain name", "Equals", "example.com", "No", "8");
         },
         kPlain, 8},
        // Size.
        {"a size equal to the lower limit is not judged",
         [](RuleTables &, SpamOptions &o, KnownList &) { o.smallerOn = true; }, ofSize(100), kNoMark},
        {"a size below the lower limit", [](RuleTables &, SpamOptions &o, KnownList &) { o.smallerOn = true; },
         ofSize(99), kDeleteMark},
        {"a size below the lower limit with the question choice",
         [](RuleTables &, SpamOptions &o, KnownList &) {
             o.smallerOn = true;
             o.smallerDeletes = false;
         },
         ofSize(0), kQuestionMark},
        {"the lower limit is off", [](RuleTables &, SpamOptions &, KnownList &) {}, ofSize(1), kNoMark},
        {"a size equal to the upper limit is not judged",
         [](RuleTables &, SpamOptions &o, KnownList &) { o.largerOn = true; }, ofSize(20000), kNoMark},
        {"a size above the upper limit",
         [](RuleTables &, SpamOptions &o, KnownList &) {
             o.largerOn = true;
             o.largerDeletes = false;
         },
         ofSize(20001), kQuestionMark},
        {"a size that is no number is not judged",
         [](RuleTables &, SpamOptions &o, KnownList &) {
             o.smallerOn = true;
             o.largerOn = true;
         },
         ofSize(std::nullopt), kNoMark},
        // Subject rules.
        {"question rule in row 1 and delete rule in row 3; rows after 3 not examined",
         [](RuleTables &t, SpamOptions &, KnownList &) {
             subjectRule(t, "Contains", "offer", "No", "No");
             subjectRule(t, "Contains", "zzz", "No", "Yes");
             subjectRule(t, "Contains", "FREE", "No", "Yes");
             subjectRule(t, "Contains", "free", "No", "No");
         },
         kPlain, kDeleteMark, {{Subject, 1, 1}, {Subject, 2, 0}, {Subject, 3, 1}, {Subject, 4, 0}}},
        {"question outcomes leave the question mark",
         [](RuleTables &t, SpamOptions &, KnownList &) {
             subjectRule(t, "Starts with", "free", "No", "No");
             subjectRule(t, "Contains (whole word)", "OFFER", "No", "No");
         },
         kPlain, kQuestionMark, {{Subject, 1, 1}, {Subject, 2, 1}}},
        {"the scan stops at the first empty column 1",
         [](RuleTables &t, SpamOptions &, KnownList &) {
             subjectRule(t, "Contains", "free", "No", "Yes");
             subjectRule(t, "Contains", "free", "No", "Yes");
             t.gridSubject.setCell(1, 1, " ");
         },
         kPlain, kNoMark, {{Subject, 2, 0}}},
        {"a case-sensitive subject rule",
         [](RuleTables &t, SpamOptions &, KnownList &) { subjectRule(t, "Contains", "FREE", "Yes", "Yes"); }, kPlain,
         kNoMark},
        {"a shape condition on the subject",
         [](RuleTables &t, SpamOptions &, KnownList &) { subjectRule(t, "Is UPPERCASE", "", "", "Yes"); },
         mail("a@b.c", "", "BUY NOW 100%"), kDeleteMark},
        {"a condition the subject rules do not evaluate",
         [](RuleTables &t, SpamOptions &, KnownList &) { subjectRule(t, "All numeric", "", "", "Yes"); },
         mail("a@b.c", "", "12345"), kNoMark, {{Subject, 1, 0}}},
        // Sender rules.
        {"Real name Is UPPERCASE whatever the address",
         [](RuleTables &t, SpamOptions &, KnownList &) { senderRule(t, "Real name", "Is UPPERCASE", "", "Yes"); },
         mail("lower@example.com", "JOHN SMITH", "x"), kDeleteMark, {{Sender, 1, 1}}},
        {"E-mail address All numeric looks before the at sign",
         [](RuleTables &t, SpamOptions &, KnownList &) { senderRule(t, "E-mail address", "All numeric", "", "No"); },
         mail("12345@example.com", "", "x"), kQuestionMark},
        {"E-mail address text conditions look at the whole address, ignoring case",
         [](RuleTables &t, SpamOptions &, KnownList &) { senderRule(t, "E-mail address", "Ends with", "@EXAMPLE.COM", "Yes"); },
         mail("12345@example.com", "", "x"), kDeleteMark},
        {"Domain name Equals matches a host one level below",
         [](RuleTables &t, SpamOptions &, KnownList &) { senderRule(t, "Domain name", "Equals", "example.com", "Yes"); },
         mail("bob@mail.example.com", "", "x"), kDeleteMark},
        {"Domain name of an address without at sign is the address",
         [](RuleTables &t, SpamOptions &, KnownList &) { senderRule(t, "Domain name", "Equals", "no-domain", "Yes"); },
         mail("no-domain", "", "x"), kDeleteMark},
        {"an unknown column 1 never matches",
         [](RuleTables &t, SpamOptions &, KnownList &) {
             senderRule(t, "Nickname", "Is blank", "", "Yes");
             senderRule(t, "Real name", "Is blank", "", "No");
         },
         mail("a@b.c", "", "x"), kQuestionMark, {{Sender, 1, 0}, {Sender, 2, 1}}},
        // Header rules.
        {"a header text rule matching three lines bumps three",
         [](RuleTables &t, SpamOptions &, KnownList &) { headerRule(t, "Contains", "received: from", "No", "No"); },
         withLines({"Received: from a", "Received: from b", "X-Other: 1", "Received: from c"}), kQuestionMark,
         {{Header, 1, 3}}},
        {"a delete header text rule stops at its first line",
         [](RuleTables &t, SpamOptions &, KnownList &) { headerRule(t, "Contains", "Received: from", "Yes", "Yes"); },
         withLines({"Received: from a", "Received: from b"}), kDeleteMark, {{Header, 1, 1}}},
        {"header scan goes on past a delete rule that does not match",
         [](RuleTables &t, SpamOptions &, KnownList &) {
             headerRule(t, "Starts with", "X-Mailer:", "No", "No");
             headerRule(t, "Contains", "Floodgate", "No", "Yes");
             headerRule(t, "Ends with", "bulk", "No", "Yes");
         },
         withLines({"X-Mailer: Mass", "Precedence: bulk"}), kDeleteMark, {{Header, 1, 1}, {Header, 2, 0}, {Header, 3, 1}}},
        {"a recipient rule for slot 2 is ignored while slot 1 is checked",
         [](RuleTables &t, SpamOptions &, KnownList &) { headerRule(t, "To does not contain", "me@example.org - MailBox #2", "No", "Yes"); },
         withLines({"To: other@example.net"}), kNoMark, {{Header, 1, 0}}},
        {"a recipient rule of the current slot with an empty X-Rcpt-To matches once",
         [](RuleTables &t, SpamOptions &, KnownList &) { headerRule(t, "To does not contain", "me@example.org - MailBox #2", "No", "Yes"); },
         withLines({"To: other@example.net", "X-Rcpt-To: "}), kDeleteMark, {{Header, 1, 1}}, kNoMark, 2},
        {"a question recipient rule counts both tests",
         [](RuleTables &t, SpamOptions &, KnownList &) { headerRule(t, "To does not contain", "me@example.org - MailBox #1", "No", "No"); },
         withLines({"To: other@example.net", "X-Rcpt-To: list@example.net"}), kQuestionMark, {{Header, 1, 2}}},
        {"a delete recipient rule skips the second test after the first",
         [](RuleTables &t, SpamOptions &, KnownList &) { headerRule(t, "To does not contain", "me@example.org - MailBox #1", "No", "Yes"); },
         withLines({"To: other@example.net", "X-Rcpt-To: list@example.net"}), kDeleteMark, {{Header, 1, 1}}},
        {"the recipient rule ignores case",
         [](RuleTables &t, SpamOptions &, KnownList &) { headerRule(t, "To does not contain", "me@example.org - MailBox #1", "Yes", "Yes"); },
         withLines({"To: Me <ME@Example.org>", "X-Rcpt-To: me@example.org"}), kNoMark},
        {"a recipient rule without a slot number never matches",
         [](RuleTables &t, SpamOptions &, KnownList &) { headerRule(t, "To does not contain", "me@example.org", "No", "Yes"); },
         withLines({"To: other@example.net"}), kNoMark},
        {"a message without Reply-to never matches the reply-to rule",
         [](RuleTables &t, SpamOptions &, KnownList &) { headerRule(t, "Sender", "does not match Reply-to", "No", "Yes"); },
         withLines({"To: me@example.org"}), kNoMark},
        {"a Reply-to elsewhere matches the reply-to rule",
         [](RuleTables &t, SpamOptions &, KnownList &) { headerRule(t, "Sender", "does not match Reply-to", "No", "Yes"); },
         withLines({"Reply-To: collect@elsewhere.example"}), kDeleteMark, {{Header, 1, 1}}},
        {"a Reply-to holding the From address does not match",
         [](RuleTables &t, SpamOptions &, KnownList &) { headerRule(t, "Sender", "does not match Reply-to", "No", "Yes"); },
         withLines({"Reply-To: Bob <BOB@example.com>"}), kNoMark},
        {"a message without To never matches the sender-equals-recipient rule",
         [](RuleTables &t, SpamOptions &, KnownList &) { headerRule(t, "Sender", "equals To field", "No", "Yes"); },
         withLines({"Cc: bob@example.com"}), kNoMark},
        {"To equal to From matches the sender-equals-recipient rule",
         [](RuleTables &t, SpamOptions &, KnownList &) { headerRule(t, "Sender", "equals To field", "No", "No"); },
         withLines({"To: Bob <Bob@Example.com>"}), kQuestionMark, {{Header, 1, 1}}},
        // Blacklist.
        {"the blacklist turns a question mark into the blacklist mark",
         [](RuleTables &t, SpamOptions &, KnownList &k) {
             subjectRule(t, "Contains", "offer", "No", "No");
             k.add("EXAMPLE.com");
         },
         kPlain, kBlacklistMark},
        {"the blacklist never replaces a delete mark",
         [](RuleTables &t, SpamOptions &, KnownList &k) {
             subjectRule(t, "Contains", "offer", "No", "Yes");
             k.add("bob@example.com");
         },
         kPlain, kDeleteMark},
        {"the blacklist is off",
         [](RuleTables &, SpamOptions &o, KnownList &k) {
             o.knownSpammers = false;
             k.add("bob@example.com");
         },
         kPlain, kNoMark},
        {"the blacklist is never asked about a white-listed sender",
         [](RuleTables &t, SpamOptions &, KnownList &k) {
             whiteRule(t, "Real name", "Equals", "Bob");
             k.add("bob@example.com");
         },
         kPlain, 3},
        // Marks kept and never weakened.
        {"a row that nothing matches keeps its question mark", [](RuleTables &, SpamOptions &, KnownList &) {}, kPlain,
         kQuestionMark, {}, kQuestionMark},
        {"a row that nothing matches keeps its friend image", [](RuleTables &, SpamOptions &, KnownList &) {}, kPlain, 9,
         {}, 9},
        {"a delete mark on the row ends the checks after the size",
         [](RuleTables &t, SpamOptions &, KnownList &) { subjectRule(t, "Contains", "offer", "No", "No"); }, kPlain,
         kDeleteMark, {{Subject, 1, 0}}, kDeleteMark},
    };
    return list;
}

class PipelineCaseTest : public test::PipelineTest, public ::testing::WithParamInterface<size_t>
{
};

} // namespace

TEST_P(PipelineCaseTest, JudgesOneRow)
{
    const Case &c = cases().at(GetParam());
    SCOPED_TRACE(c.name);
    c.setup(tables, options, known);
    slot = c.slot;
    EXPECT_EQ(judge(c.message, c.start), c.expected);
    for (const Hits &h : c.hits)
        EXPECT_EQ(hits(h.table, h.row), h.count) << "table " << int(h.table) << " row " << h.row;
}

INSTANTIATE_TEST_SUITE_P(Cases, PipelineCaseTest, ::testing::Range(size_t(0), cases().size()),
                         [](const ::testing::TestParamInfo<size_t> &info) {
                             std::string name;
                             for (const char *p = cases().at(info.param).name; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });
