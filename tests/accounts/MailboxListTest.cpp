#include "accounts/MailboxList.h"

#include <gtest/gtest.h>

using namespace tarnwell;

namespace {
MailboxList listWith(std::initializer_list<MailboxAccount> accounts)
{
    MailboxList list;
    for (const MailboxAccount &a : accounts) {
        MailboxAccount &slot = list.account(a.slot);
        slot = a;
    }
    return list;
}
} // namespace

TEST(MailboxList, EmptyListHasNoEnabledSlot)
{
    const MailboxList list;
    for (int slot = 1; slot <= MailboxList::kSlots; ++slot) {
        EXPECT_TRUE(list.account(slot).check);
        EXPECT_EQ(list.account(slot).slot, slot);
    }
    EXPECT_EQ(list.which(), 1);
    EXPECT_EQ(list.HowManyMailboxesChecked(), 0);
    EXPECT_EQ(list.FirstMailboxChecked(), 0);
    EXPECT_TRUE(list.CheckUserMailboxes());
    EXPECT_FALSE(list.CheckForAOL());
    EXPECT_FALSE(list.OnlyOneMailbox());
}

TEST(MailboxList, EnabledNeedsCheckFlagAndServer)
{
    const MailboxList list = listWith({
        {3, "pop.a", "", "", true},     // enabled even without mailbox and password
        {5, "pop.b", "bob", "pw", false},
        {7, "", "carol", "pw", true},
        {9, "pop.c", "dave", "pw", true},
    });
    EXPECT_EQ(list.HowManyMailboxesChecked(), 2);
    EXPECT_EQ(list.FirstMailboxChecked(), 3);
}

TEST(MailboxList, AdvisoryQueriesLookOnlyAtCheckedSlots)
{
    EXPECT_TRUE(listWith({{2, "pop.a", "bob@a.example", "", false}}).CheckUserMailboxes());
    EXPECT_FALSE(listWith({{2, "pop.a", "bob@a.example", "", true}}).CheckUserMailboxes());
    EXPECT_TRUE(listWith({{4, "POP.AOL.COM", "bob", "", true}}).CheckForAOL());
    EXPECT_TRUE(listWith({{4, "pop.a", "Bob@Hotmail.com", "", true}}).CheckForAOL());
    EXPECT_FALSE(listWith({{4, "pop.aol.com", "bob", "", false}}).CheckForAOL());
    EXPECT_TRUE(IsWebMailAddress("me@YAHOO.com"));
    EXPECT_FALSE(IsWebMailAddress("pop.example.net"));
}

TEST(MailboxList, OnlyOneMailboxMeansRowOneAlone)
{
    EXPECT_TRUE(listWith({{1, "pop.a", "bob", "", true}}).OnlyOneMailbox());
    EXPECT_FALSE(listWith({{1, "pop.a", "bob", "", true}, {12, "pop.b", "", "", false}}).OnlyOneMailbox());
    EXPECT_FALSE(listWith({{2, "pop.a", "bob", "", true}}).OnlyOneMailbox());
}

TEST(MailboxList, ServerToIndexIgnoresCaseAndTakesTheFirst)
{
    const MailboxList list = listWith({
        {2, "pop.a", "Bob", "", true},
        {6, "POP.A", "bob", "", true},
        {8, "pop.b", "bob", "", true},
    });
    EXPECT_EQ(list.serverToIndex("Pop.A", "BOB"), 2);
    EXPECT_EQ(list.serverToIndex("pop.b", "bob"), 8);
    EXPECT_EQ(list.serverToIndex("pop.b", "carol"), 0);
}
