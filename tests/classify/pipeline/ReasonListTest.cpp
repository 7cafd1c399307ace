#include "classify/pipeline/ReasonList.h"

#include "support/PrintTo.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace tarnwell;

namespace {
class ReasonListTest : public test::HomeTest
{
};
} // namespace

TEST_F(ReasonListTest, CaseSensitiveDeleteSubjectRuleLine)
{
    ReasonList reasons;
    reasons.setExplanationMode(true);
    reasons.whyAdd(true, "Subject", "Contains", "free", true);
    // Delete, three spaces, a colon, two spaces, ... "free", two spaces, the case note.
    const QByteArray expected = QByteArray("Delete") + "   " + ":" + "  " + "Subject" + " " + "Contains" + " " +
                                "\"free\"" + "  " + "(Case Sensitive)";
    ASSERT_EQ(reasons.memoWhy().size(), 1);
    EXPECT_EQ(reasons.memoWhy().at(0), expected);
}

TEST_F(ReasonListTest, LineForms)
{
    struct Case
    {
        const char *name;
        bool whiteList;
        bool deletes;
        QByteArray subject, condition, pattern;
        bool caseSensitive;
        QByteArray line;
    };
    const Case cases[] = {
        {"question with pattern, no case note: ends in a space", false, false, "Subject", "Starts with", "Hi", false,
         "Question :  Subject Starts with \"Hi\" "},
        {"no pattern: the short form, no case note", false, true, "Subject", "Is blank", "", true,
         "Delete   :  Subject Is blank"},
        {"blank pattern counts as none", false, false, "Size", "smaller than", " ", false,
         "Question :  Size smaller than"},
        {"white-list wording ignores the delete flag", true, true, "Domain name", "Equals", "example.com", false,
         "White List :  Domain name Equals \"example.com\" "},
        {"white list with case note", true, false, "Subject", "Contains", "Invoice", true,
         "White List :  Subject Contains \"Invoice\"  (Case Sensitive)"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ReasonList reasons;
        reasons.setExplanationMode(true);
        if (c.whiteList)
            reasons.whyExcept(c.subject, c.condition, c.caseSensitive, c.pattern);
        else
            reasons.whyAdd(c.deletes, c.subject, c.condition, c.pattern, c.caseSensitive);
        ASSERT_EQ(reasons.memoWhy().size(), 1);
        EXPECT_EQ(reasons.memoWhy().at(0), c.line);
    }
}

TEST_F(ReasonListTest, NothingIsRecordedOutsideExplanationMode)
{
    ReasonList reasons;
    reasons.whyAdd(true, "Subject", "Contains", "free", false);
    reasons.whyExcept("Real name", "Equals", false, "Bob");
    EXPECT_TRUE(reasons.memoWhy().isEmpty());
    reasons.append("Message from a@b");
    EXPECT_EQ(reasons.memoWhy(), QList<QByteArray>{"Message from a@b"});
}

TEST_F(ReasonListTest, WhiteListWordingEndsWithTheWhiteListReason)
{
    ReasonList reasons;
    reasons.setExplanationMode(true);
    reasons.whyExcept("Real name", "Equals", false, "Bob");
    reasons.whyAdd(false, "Subject", "Contains", "x", false);
    EXPECT_EQ(reasons.memoWhy(), (QList<QByteArray>{"White List :  Real name Equals \"Bob\" ",
                                                    "Question :  Subject Contains \"x\" "}));
}
