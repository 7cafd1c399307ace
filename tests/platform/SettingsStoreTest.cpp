#include "platform/SettingsStore.h"

#include "support/PrintTo.h"
#include "support/TempHome.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace tarnwell;
using tarnwell::test::HomeTest;

class SettingsStoreTest : public HomeTest
{
};

TEST_F(SettingsStoreTest, NamesMatchWithoutRegardToCase)
{
    {
        auto store = home.settings();
        store->setText("General", "AlarmFile", "/tmp/harp.wav");
        store->setText("", "FormTop", "42");
    }
    auto store = home.settings();
    EXPECT_EQ(store->text("general", "Alarmfile"), "/tmp/harp.wav");
    EXPECT_EQ(store->text("GENERAL", "ALARMFILE"), "/tmp/harp.wav");
    EXPECT_EQ(store->integer("", "formtop", 10), 42);

    // A write under another spelling replaces the stored value instead of adding one.
    store->setText("GENERAL", "alarmfile", "/tmp/other.wav");
    store->sync();
    const QByteArray file = home.read(QFileInfo(store->location()).fileName());
    EXPECT_EQ(file.count("larm"), 1) << file.toStdString();
    EXPECT_EQ(store->text("General", "AlarmFile"), "/tmp/other.wav");
}

TEST_F(SettingsStoreTest, MissingAndUnparsableValuesReadAsTheDefault)
{
    auto store = home.settings();
    EXPECT_FALSE(store->value("General", "Minutes").has_value());
    EXPECT_EQ(store->integer("General", "Minutes", 10), 10);
    EXPECT_TRUE(store->flag("General", "Ask", true));

    store->setText("General", "Minutes", "ten");
    store->setText("General", "Ask", "maybe");
    EXPECT_EQ(store->integer("General", "Minutes", 10), 10);
    EXPECT_TRUE(store->flag("General", "Ask", true));
    EXPECT_FALSE(store->flag("General", "Ask", false));

    store->setText("General", "Minutes", " 25 ");
    EXPECT_EQ(store->integer("General", "Minutes", 10), 25);
}

TEST_F(SettingsStoreTest, ValuesAreTextAndFlagsAreOneOrZero)
{
    auto store = home.settings();
    store->setFlag("General", "Kill", true);
    store->setFlag("General", "Exit", false);
    store->setInteger("Column", "col1", 220);
    EXPECT_EQ(store->text("General", "Kill"), "1");
    EXPECT_EQ(store->text("General", "Exit"), "0");
    EXPECT_EQ(store->text("Column", "col1"), "220");
    // Any number other than 0 reads as yes.
    store->setText("General", "Kill", "7");
    EXPECT_TRUE(store->flag("General", "Kill", false));
}

TEST_F(SettingsStoreTest, SectionNamedGeneralIsKeptApartFromTopLevelValues)
{
    auto store = home.settings();
    store->setText("", "Minutes", "top");
    store->setText("General", "Minutes", "section");
    EXPECT_EQ(store->text("", "Minutes"), "top");
    EXPECT_EQ(store->text("General", "Minutes"), "section");
}

TEST_F(SettingsStoreTest, FileIsReadableByTheUserOnly)
{
    auto store = home.settings();
    store->setText("Server", "Passwd1", "A1B2");
    ASSERT_TRUE(store->sync());
    const QFileInfo info(store->location());
    ASSERT_TRUE(info.exists());
    EXPECT_EQ(info.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
              QFile::Permissions());
    EXPECT_TRUE(info.permissions() & QFile::ReadOwner);
    EXPECT_TRUE(info.absoluteFilePath().startsWith(QFileInfo(home.path()).absoluteFilePath()));
}

TEST(SettingsStorePath, SplitsSectionAndName)
{
    EXPECT_EQ(SettingsStore::splitPath("General/Logfile"), std::make_pair(QString("General"), QString("Logfile")));
    EXPECT_EQ(SettingsStore::splitPath("FormTop"), std::make_pair(QString(), QString("FormTop")));
}
