#include "PipelineFixture.h"

#include "classify/pipeline/ExplainMessage.h"
#include "classify/pipeline/MessageCheck.h"

#include <functional>

using namespace tarnwell;
using test::mail;

namespace {

using Lines = QList<QByteArray>;

const QByteArray kNothing = "Message was neither on the White List nor on the list of matching criteria";
const QByteArray kMarked = "** You marked this message **";
const QByteArray kUnmarked = "** You un-marked this message **";

Lines opening(const QByteArray &sender, const QByteArray &subject)
{
    return {"Message from " + sender, "Subject of   " + subject, ""};
}

class FixedCheck final : public MessageCheck
{
public:
    FixedCheck(bool deletes, QByteArray name) : m_deletes(deletes), m_name(std::move(name)) {}
    CheckOutcome check(PreparedMessage &, ReasonList &reasons) override
    {
        reasons.whyAdd(m_deletes, m_name, "matched", "", false);
        return CheckOutcome::match(m_deletes);
    }

private:
    bool m_deletes;
    QByteArray m_name;
};

class ExplainMessageTest : public test::PipelineTest
{
protected:
    Lines explain(const MessageInput &message, Mark mark)
    {
        const int index = messages.add(message, mark);
        const Lines lines = explainMessage(classifier, index);
        EXPECT_EQ(messages.mark(index), mark) << "the mark is given back";
        EXPECT_FALSE(classifier.reasons().explanationMode());
        EXPECT_EQ(classifier.reasons().memoWhy(), lines);
        return lines;
    }

    // Every hit count of every table as it stands.
    QList<QByteArray> allHits() const
    {
        QList<QByteArray> counts;
        for (RuleTableKind kind : RuleTables::kinds) {
            const RuleTable &table = tables.table(kind);
            for (int row = 1; row < table.rowCount(); ++row)
                counts.append(table.cell(row, hitsColumn(kind)));
        }
        return counts;
    }
};

const MessageInput kOffer = mail("bob@example.com", "Bob", "free offer");

} // namespace

TEST_F(ExplainMessageTest, NothingMatched)
{
    EXPECT_EQ(explain(kOffer, kNoMark), (opening("bob@example.com", "free offer") + Lines{kNothing}));
}

TEST_F(ExplainMessageTest, MarkedByHand)
{
    EXPECT_EQ(explain(kOffer, kDeleteMark), (opening("bob@example.com", "free offer") + Lines{kNothing, kMarked}));

    // The rules alone only ask a question.
    appendRule(tables.gridSubject, {"", "Contains", "offer", "No", "No", "0"});
    EXPECT_EQ(explain(kOffer, kDeleteMark), (opening("bob@example.com", "free offer") + Lines{"Question :  Subject Contains \"offer\" ", kMarked}));
}

TEST_F(ExplainMessageTest, UnmarkedByHand)
{
    appendRule(tables.gridSubject, {"", "Contains", "free", "Yes", "Yes", "0"});
    EXPECT_EQ(explain(kOffer, kNoMark), (opening("bob@example.com", "free offer")
                                            + Lines{"Delete   :  Subject Contains \"free\"  (Case Sensitive)", kUnmarked}));
    // The mark the rules give: no remark.
    EXPECT_EQ(explain(kOffer, kDeleteMark), (opening("bob@example.com", "free offer") + Lines{"Delete   :  Subject Contains \"free\"  (Case Sensitive)"}));
}

TEST_F(ExplainMessageTest, EveryReasonInPipelineOrderAfterADeleteRule)
{
    options.smallerOn = true;
    options.smallerLimit = 100000;
    appendRule(tables.gridSubject, {"", "Contains", "free", "Yes", "Yes", "0"});
    appendRule(tables.gridSubject, {"", "Contains (whole word)", "OFFER", "No", "No", "0"});
    appendRule(tables.gridSubject, {"", "Contains >= 3 spaces", "", "", "Yes", "0"});
    appendRule(tables.gridFrom, {"", "Domain name", "Equals", "example.com", "No", "0"});
    appendRule(tables.gridFrom, {"", "Real name", "Starts with", "b", "Yes", "0"});
    appendRule(tables.gridHeader, {"", "To does not contain", "me@example.org - MailBox #1", "No", "Yes", "0"});
    appendRule(tables.gridHeader, {"", "Sender", "does not match Reply-to", "Yes", "No", "0"});
    appendRule(tables.gridHeader, {"", "Contains", "floodgate", "No", "Yes", "0"});
    FixedCheck nonAscii(true, "NonAscii");
    FixedCheck domain(false, "Domain");
    FixedCheck spelling(false, "Spelling");
    options.validDomains = true;
    classifier.setOptionalChecks({&nonAscii, &domain, &spelling});
    known.add("mail.example.com");
    const QList<QByteArray> hitsBefore = allHits();

    const MessageInput message =
        mail("bob@mail.example.com", "Bob", "free offer",
             {"To: other@example.net", "Reply-To: collect@elsewhere.example", "X-Mailer: Floodgate"});
    // The check run gave it the delete mark, so no closing remark.
    EXPECT_EQ(explain(message, kDeleteMark), (opening("bob@mail.example.com", "free offer")
                  + Lines{
                      "Delete   :  Size smaller than \"100000\" ",
                      "Delete   :  Subject Contains \"free\"  (Case Sensitive)",
                      "Question :  Subject Contains (whole word) \"OFFER\" ",
                      "Question :  Domain name Equals \"example.com\" ",
                      "Delete   :  Real name Starts with \"b\" ",
                      "Delete   :  Header \"other@example.net\" To does not contain \"me@example.org\" ",
                      "Question :  Header Sender \"collect@elsewhere.example does not match Reply-to "
                      "bob@mail.example.com\"  (Case Sensitive)",
                      "Delete   :  Header Contains \"floodgate\" ",
                      "Delete   :  NonAscii matched",
                      "Question :  Domain matched",
                      "Question :  Spelling matched",
                      "Delete   :  Domain \"mail.example.com\" is on the KNOWN SPAMMER BLACKLIST (you may edit if this "
                      "is in error)",
                  }));
    EXPECT_EQ(allHits(), hitsBefore);
}

TEST_F(ExplainMessageTest, ALaterQuestionNeverReplacesADeleteMark)
{
    appendRule(tables.gridSubject, {"", "Contains", "offer", "No", "Yes", "0"});
    FixedCheck spelling(false, "Spelling");
    classifier.setOptionalChecks({nullptr, nullptr, &spelling});
    // Noted delete, judged delete: were the question to win, "You marked" would follow.
    EXPECT_EQ(explain(kOffer, kDeleteMark), (opening("bob@example.com", "free offer")
                                                + Lines{"Delete   :  Subject Contains \"offer\" ",
                                                        "Question :  Spelling matched"}));
}

TEST_F(ExplainMessageTest, WhiteListAnyHeaderRowMatchingTwoLines)
{
    appendRule(tables.gridExcept, {"Any Header", "Contains", "example.org", "No", "0", "", "5"});
    appendRule(tables.gridSubject, {"", "Contains", "offer", "No", "Yes", "0"});
    const MessageInput message =
        mail("bob@example.com", "Bob", "free offer", {"To: me@example.org", "Cc: you@example.org"});
    EXPECT_EQ(explain(message, 5), (opening("bob@example.com", "free offer")
                                       + Lines{"White List :  Any Header To: me@example.org Contains \"example.org\" ",
                                               "White List :  Any Header Cc: you@example.org Contains \"example.org\" "}));
    EXPECT_EQ(hits(RuleTableKind::WhiteList, 1), 0);
    EXPECT_EQ(hits(RuleTableKind::Subject, 1), 0);
}

TEST_F(ExplainMessageTest, ReasonOfEachCheck)
{
    struct Case
    {
        const char *name;
        std::function<void(RuleTables &, SpamOptions &, KnownList &)> setup;
        MessageInput message;
        QByteArray line;
    };
    const Case cases[] = {
        {"white list only", [](RuleTables &, SpamOptions &o, KnownList &) { o.whiteListOnly = true; }, kOffer,
         "Delete   :  Sender not on \"white list (exceptions)\" "},
        {"larger than",
         [](RuleTables &, SpamOptions &o, KnownList &) {
             o.largerOn = true;
             o.largerDeletes = false;
         },
         mail("bob@example.com", "Bob", "free offer", {}, 20001), "Question :  Size larger than \"20000\" "},
        {"X-Rcpt-To",
         [](RuleTables &t, SpamOptions &, KnownList &) {
             appendRule(t.gridHeader, {"", "To does not contain", "me@example.org - MailBox #1", "No", "No", "0"});
         },
         mail("bob@example.com", "Bob", "x", {"To: Me <me@example.org>", "X-Rcpt-To: list@example.net"}),
         "Question :  Header \"list@example.net\" X-Rctp-To does not contain \"me@example.org\" "},
        {"sender equals recipient",
         [](RuleTables &t, SpamOptions &, KnownList &) {
             appendRule(t.gridHeader, {"", "Sender", "equals To field", "No", "No", "0"});
         },
         mail("bob@example.com", "Bob", "x", {"To: bob@example.com"}),
         "Question :  Header Sender \"bob@example.com equals To field bob@example.com\" "},
        {"sender shape condition has no pattern",
         [](RuleTables &t, SpamOptions &, KnownList &) {
             appendRule(t.gridFrom, {"", "E-mail address", "All numeric", "ignored", "No", "0"});
         },
         mail("123@example.com", "", "x"), "Question :  E-mail address All numeric"},
        {"subject shape condition has no pattern and no case note",
         [](RuleTables &t, SpamOptions &, KnownList &) {
             appendRule(t.gridSubject, {"", "Is UPPERCASE", "", "Yes", "Yes", "0"});
         },
         mail("a@example.com", "", "WIN"), "Delete   :  Subject Is UPPERCASE"},
        {"header text rule with case note",
         [](RuleTables &t, SpamOptions &, KnownList &) {
             appendRule(t.gridHeader, {"", "Starts with", "X-Mailer", "Yes", "No", "0"});
         },
         mail("a@example.com", "", "x", {"X-Mailer: Mass"}), "Question :  Header Starts with \"X-Mailer\"  (Case Sensitive)"},
        {"white-list domain",
         [](RuleTables &t, SpamOptions &, KnownList &) {
             appendRule(t.gridExcept, {"Domain name", "Equals", "example.com", "Yes", "0", "", ""});
         },
         kOffer, "White List :  Domain name Equals \"example.com\" "},
        {"white-list subject",
         [](RuleTables &t, SpamOptions &, KnownList &) {
             appendRule(t.gridExcept, {"Subject", "Ends with", "offer", "Yes", "0", "", ""});
         },
         kOffer, "White List :  Subject Ends with \"offer\"  (Case Sensitive)"},
        {"white-list field",
         [](RuleTables &t, SpamOptions &, KnownList &) {
             appendRule(t.gridExcept, {"CC:", "Contains", "team@", "No", "0", "", ""});
         },
         mail("a@example.com", "", "x", {"CC: team@example.org"}), "White List :  CC: team@example.org Contains \"team@\" "},
        {"blacklisted address",
         [](RuleTables &, SpamOptions &, KnownList &k) { k.add("BOB@example.com"); }, kOffer,
         "Delete   :  E-mail \"bob@example.com\" is on the KNOWN SPAMMER BLACKLIST (you may edit if this is in error)"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        tables = RuleTables();
        options = SpamOptions();
        known.clear();
        c.setup(tables, options, known);
        const Lines lines = explain(c.message, kNoMark);
        ASSERT_GE(lines.size(), 4);
        EXPECT_EQ(lines.at(3), c.line);
    }
}

TEST_F(ExplainMessageTest, AnIndexOutsideTheListGivesNoLines)
{
    messages.add(kOffer);
    EXPECT_TRUE(explainMessage(classifier, 1).isEmpty());
    EXPECT_TRUE(explainMessage(classifier, -1).isEmpty());
    EXPECT_TRUE(classifier.reasons().memoWhy().isEmpty());
}

TEST_F(ExplainMessageTest, JudgingOutsideAnExplanationRecordsNothing)
{
    appendRule(tables.gridSubject, {"", "Contains", "offer", "No", "Yes", "0"});
    explain(kOffer, kNoMark);
    const Lines before = classifier.reasons().memoWhy();
    classifier.MarkForDeletion(MessageJudge::kAllRows);
    EXPECT_EQ(classifier.reasons().memoWhy(), before);
    EXPECT_EQ(hits(RuleTableKind::Subject, 1), 1);
}
