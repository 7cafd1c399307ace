#include "support/RecordingPrompter.h"
#include "support/TempHome.h"

#include "app/ApplicationContext.h"
#include "platform/DataFolder.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>

#include <gmock/gmock.h>

namespace tarnwell::test {

namespace {

class ApplicationContextTest : public HomeTest
{
protected:
    DataFolder folder = home.folder();
    std::unique_ptr<SettingsStore> store = home.settings();
    RecordingPrompter prompter;
};

TEST_F(ApplicationContextTest, FormCreateReadsTheStartSettings)
{
    store->setFlag(QStringLiteral("General"), QStringLiteral("SysTray"), true);
    store->setFlag(QStringLiteral("General"), QStringLiteral("Automatic"), true);
    store->setInteger(QStringLiteral("General"), QStringLiteral("Minutes"), 25);
    store->setInteger(QStringLiteral("General"), QStringLiteral("RAS"), 2);
    store->setInteger(QStringLiteral("Server"), QStringLiteral("Which"), 7);

    ApplicationContext context(folder, *store, prompter);
    context.FormCreate();

    EXPECT_TRUE(context.state().sysTrayMode);
    EXPECT_TRUE(context.automaticAtStart());
    EXPECT_EQ(context.state().minutesToNextCheck, 25);
    EXPECT_EQ(context.state().currentMailbox, 7);
    EXPECT_EQ(context.dialUpAtStart(), 2);
    EXPECT_FALSE(context.state().checkInProgress);
    EXPECT_FALSE(context.state().unattendedCheck);
    EXPECT_EQ(context.checkTick().interval(), 60000);
    EXPECT_EQ(context.splashTick().interval(), 1500);
    EXPECT_FALSE(context.checkTick().isActive()) << "the window's captions start it";
}

TEST_F(ApplicationContextTest, AnEmptyStoreGivesTheDefaults)
{
    ApplicationContext context(folder, *store, prompter);
    context.FormCreate();

    EXPECT_FALSE(context.state().sysTrayMode);
    EXPECT_FALSE(context.automaticAtStart());
    EXPECT_EQ(context.state().minutesToNextCheck, 10);
    EXPECT_EQ(context.state().currentMailbox, 1);
    EXPECT_EQ(context.dialUpAtStart(), 0);
    EXPECT_THAT(prompter.texts(), ::testing::IsEmpty());
}

TEST_F(ApplicationContextTest, FormCreatePreparesTheDataFolder)
{
    home.write(QStringLiteral("msg_3.eml"), "left over");
    home.write(QStringLiteral("known.lst"), "spammer@example.com\r\nexample.net\r\n");

    ApplicationContext context(folder, *store, prompter);
    context.FormCreate();

    const QString directory = context.client().messageDirectory();
    EXPECT_TRUE(directory.endsWith(QDir::separator()));
    EXPECT_EQ(QDir(directory).canonicalPath(), QDir(home.path()).canonicalPath());
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(home.path()).canonicalPath());
    EXPECT_FALSE(QFile::exists(home.file(QStringLiteral("msg_3.eml"))));
    EXPECT_EQ(context.knownList().size(), 2);
    EXPECT_EQ(context.ruleOptionsFile(), folder.file(QStringLiteral("tarnwell.ini")));
    // The first account load writes the password-format marker.
    EXPECT_EQ(store->text(QStringLiteral("Server"), QStringLiteral("Version161")), QStringLiteral("161"));
}

TEST_F(ApplicationContextTest, TheMailboxListIsReadAtCreation)
{
    store->setText(QStringLiteral("Server"), QStringLiteral("Server4"), QStringLiteral("pop.example.com"));
    store->setText(QStringLiteral("Server"), QStringLiteral("Mailbox4"), QStringLiteral("joe"));

    ApplicationContext context(folder, *store, prompter);

    EXPECT_EQ(context.mailboxes().FirstMailboxChecked(), 4);
}

} // namespace

} // namespace tarnwell::test
