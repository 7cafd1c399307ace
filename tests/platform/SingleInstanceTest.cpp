#include "platform/SingleInstance.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tarnwell;

TEST(SingleInstance, SecondClaimAsksTheFirstToRaiseItself)
{
    QTemporaryDir home;
    SingleInstance first(home.path());
    ASSERT_TRUE(first.claim());
    QSignalSpy raised(&first, &SingleInstance::raiseRequested);

    SingleInstance second(home.path());
    EXPECT_FALSE(second.claim());
    EXPECT_TRUE(raised.wait(5000));
}

TEST(SingleInstance, OtherDataFoldersRunSideBySide)
{
    QTemporaryDir a, b;
    SingleInstance first(a.path());
    SingleInstance second(b.path());
    EXPECT_TRUE(first.claim());
    EXPECT_TRUE(second.claim());
    EXPECT_NE(SingleInstance::serverName(a.path()), SingleInstance::serverName(b.path()));
}
