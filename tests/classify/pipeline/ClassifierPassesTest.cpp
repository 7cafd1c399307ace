#include "PipelineFixture.h"

#include "classify/pipeline/MessageCheck.h"
#include "classify/pipeline/PreparedMessage.h"
#include "classify/pipeline/ReasonList.h"

using namespace tarnwell;
using test::mail;

namespace {

class ClassifierPassesTest : public test::PipelineTest
{
protected:
    void SetUp() override
    {
        appendRule(tables.gridSubject, {"", "Contains", "offer", "No", "No", "0"});
        appendRule(tables.gridHeader, {"", "To does not contain", "me@example.org - MailBox #1", "No", "No", "7"});
    }

    void addThree()
    {
        messages.add(mail("a@example.com", "A", "an offer", {"To: me@example.org"}));
        messages.add(mail("b@example.com", "B", "hello", {"To: list@example.net"}));
        messages.add(mail("c@example.com", "C", "another offer", {"To: list@example.net"}));
    }
};

// A check plugged into one of steps 7 to 9: answers as told and counts its calls.
class ScriptedCheck final : public MessageCheck
{
public:
    explicit ScriptedCheck(CheckOutcome outcome) : m_outcome(outcome) {}
    CheckOutcome check(PreparedMessage &message, ReasonList &reasons) override
    {
        ++calls;
        subjects.append(message.input().subject);
        if (m_outcome.matched)
            reasons.whyAdd(m_outcome.deletes, "Scripted", "check", "", false);
        return m_outcome;
    }
    int calls = 0;
    QList<QByteArray> subjects;

private:
    CheckOutcome m_outcome;
};

} // namespace

TEST_F(ClassifierPassesTest, ANegativeIndexJudgesEveryRow)
{
    addThree();
    classifier.MarkForDeletion(MessageJudge::kAllRows);
    EXPECT_EQ(messages.mark(0), kQuestionMark);
    EXPECT_EQ(messages.mark(1), kQuestionMark); // the recipient rule
    EXPECT_EQ(messages.mark(2), kQuestionMark);
    EXPECT_EQ(hits(RuleTableKind::Subject, 1), 2);
    EXPECT_EQ(hits(RuleTableKind::Header, 1), 7 + 2);
}

TEST_F(ClassifierPassesTest, HitCountsRiseWithEveryJudgement)
{
    addThree();
    // As a check run does: each row on arrival, then all rows again.
    for (int i = 0; i < messages.messageCount(); ++i)
        classifier.MarkForDeletion(i);
    classifier.MarkForDeletion(MessageJudge::kAllRows);
    EXPECT_EQ(hits(RuleTableKind::Subject, 1), 4);
    EXPECT_EQ(hits(RuleTableKind::Header, 1), 7 + 4);
    // And "Auto mark msgs" once more.
    classifier.MarkForDeletion(MessageJudge::kAllRows);
    EXPECT_EQ(hits(RuleTableKind::Subject, 1), 6);
}

TEST_F(ClassifierPassesTest, AnIndexPastTheListJudgesNothing)
{
    addThree();
    classifier.MarkForDeletion(3);
    classifier.MarkForDeletion(100);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(messages.mark(i), kNoMark);
    EXPECT_EQ(hits(RuleTableKind::Subject, 1), 0);
}

TEST_F(ClassifierPassesTest, TheSlotIsAskedOncePerCallAndOnlyForARecipientRule)
{
    addThree();
    classifier.MarkForDeletion(MessageJudge::kAllRows);
    EXPECT_EQ(slotQuestions, 1);
    classifier.MarkForDeletion(1);
    EXPECT_EQ(slotQuestions, 2);

    tables.gridHeader.clear();
    classifier.MarkForDeletion(MessageJudge::kAllRows);
    EXPECT_EQ(slotQuestions, 2);
}

TEST_F(ClassifierPassesTest, EditedRulesTakeEffectAtTheNextJudgement)
{
    messages.add(mail("a@example.com", "A", "cheap pills"));
    classifier.MarkForDeletion(0);
    EXPECT_EQ(messages.mark(0), kNoMark);

    tables.gridSubject.setCell(1, 2, "pills");
    classifier.MarkForDeletion(0);
    EXPECT_EQ(messages.mark(0), kQuestionMark);

    tables.gridSubject.setCell(1, 4, "Yes");
    messages.setMark(0, kNoMark);
    classifier.MarkForDeletion(0);
    EXPECT_EQ(messages.mark(0), kDeleteMark);

    // A new first row moves the others down.
    insertRule(tables.gridSubject, {"", "Contains", "cheap", "Yes", "No", "0"});
    messages.setMark(0, kNoMark);
    classifier.MarkForDeletion(0);
    EXPECT_EQ(messages.mark(0), kDeleteMark);
    EXPECT_EQ(hits(RuleTableKind::Subject, 1), 1);
    EXPECT_EQ(hits(RuleTableKind::Subject, 2), 3);

    tables.gridSubject.removeRow(2);
    messages.setMark(0, kNoMark);
    classifier.MarkForDeletion(0);
    EXPECT_EQ(messages.mark(0), kQuestionMark);
}

TEST_F(ClassifierPassesTest, OptionalChecksRunAtTheirStepsWhileTheirOptionsAreOn)
{
    ScriptedCheck nonAscii(CheckOutcome::noMatch());
    ScriptedCheck domain(CheckOutcome::noMatch());
    ScriptedCheck spelling(CheckOutcome::match(false));
    classifier.setOptionalChecks({&nonAscii, &domain, &spelling});
    messages.add(mail("a@example.com", "A", "hello"));

    options.asciiOn = true;
    options.validDomains = false;
    options.spellOn = true;
    classifier.MarkForDeletion(0);
    EXPECT_EQ(nonAscii.calls, 1);
    EXPECT_EQ(domain.calls, 0);
    EXPECT_EQ(spelling.calls, 1);
    EXPECT_EQ(messages.mark(0), kQuestionMark);
    EXPECT_EQ(spelling.subjects, QList<QByteArray>{"hello"});

    options.asciiOn = false;
    options.validDomains = true;
    options.spellOn = false;
    messages.setMark(0, kNoMark);
    classifier.MarkForDeletion(0);
    EXPECT_EQ(nonAscii.calls, 1);
    EXPECT_EQ(domain.calls, 1);
    EXPECT_EQ(spelling.calls, 1);
    EXPECT_EQ(messages.mark(0), kNoMark);
}

TEST_F(ClassifierPassesTest, ADeleteOutcomeSkipsTheLaterChecks)
{
    ScriptedCheck nonAscii(CheckOutcome::match(true));
    ScriptedCheck spelling(CheckOutcome::match(false));
    classifier.setOptionalChecks({&nonAscii, nullptr, &spelling});
    known.add("example.com");
    messages.add(mail("a@example.com", "A", "hello"));
    classifier.MarkForDeletion(0);
    EXPECT_EQ(messages.mark(0), kDeleteMark);
    EXPECT_EQ(spelling.calls, 0);
}
