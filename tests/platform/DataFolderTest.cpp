#include "platform/DataFolder.h"

#include "support/PrintTo.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tarnwell;

TEST(DataFolder, HomeOptionBeatsEnvironment)
{
    test::TempHome home;
    QTemporaryDir other;
    EXPECT_EQ(DataFolder::locate().path(), QDir(home.path()).absolutePath());
    EXPECT_TRUE(DataFolder::locate().isIsolated());
    EXPECT_EQ(DataFolder::locate(other.path()).path(), QDir(other.path()).absolutePath());
}

TEST(DataFolder, IsolatedSettingsLieInsideTheFolder)
{
    test::TempHome home;
    auto store = DataFolder::locate().openSettings();
    store->setText("General", "Logfile", "x");
    ASSERT_TRUE(store->sync());
    EXPECT_TRUE(store->location().startsWith(DataFolder::locate().path()));
}

TEST(DataFolder, PrepareCreatesTheFolder)
{
    QTemporaryDir base;
    const QString inner = base.filePath("a/b/tarnwell");
    const DataFolder folder = DataFolder::locate(inner);
    ASSERT_TRUE(folder.prepare());
    EXPECT_TRUE(QDir(inner).exists());
    EXPECT_EQ(folder.file("known.lst"), QDir::toNativeSeparators(QDir(inner).absolutePath()) + QDir::separator() + "known.lst");
}

TEST(DataFolder, TakesHomeOptionFromArguments)
{
    QStringList args{"tarnwell-cli", "--home", "/tmp/x", "config", "get", "FormTop"};
    EXPECT_EQ(DataFolder::takeHomeOption(args), "/tmp/x");
    EXPECT_EQ(args, (QStringList{"tarnwell-cli", "config", "get", "FormTop"}));
    QStringList args2{"tarnwell", "--home=/tmp/y"};
    EXPECT_EQ(DataFolder::takeHomeOption(args2), "/tmp/y");
    EXPECT_EQ(args2, QStringList{"tarnwell"});
}
