#include "support/RecordingPrompter.h"
#include "support/TempHome.h"

#include "app/widgets/DesktopSession.h"
#include "app/widgets/TfrmMain.h"
#include "app/widgets/TfrmSplash.h"
#include "platform/DataFolder.h"
#include "platform/SettingsStore.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

namespace tarnwell::test {

namespace {

class DesktopSessionTest : public HomeTest
{
protected:
    DataFolder folder = home.folder();
    std::unique_ptr<SettingsStore> store = home.settings();
    RecordingPrompter prompter;
};

TfrmSplash *findSplash()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *splash = qobject_cast<TfrmSplash *>(w))
            return splash;
    return nullptr;
}

TEST_F(DesktopSessionTest, TheSplashShowsDuringTheStartAndGoesAfterItsTick)
{
    DesktopSession session(folder, *store, prompter, {.splash = true, .singleInstance = false});
    ASSERT_TRUE(session.start());

    QPointer<TfrmSplash> splash = findSplash();
    ASSERT_TRUE(splash);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->size(), QSize(407, 319));
    EXPECT_EQ(splash->windowTitle(), QStringLiteral("Tarnwell"));
    EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(splash->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(splash->picture()->isHidden()) << "the main window's creation hides the picture";
    EXPECT_TRUE(session.mainWindow().isVisible());

    QTRY_VERIFY_WITH_TIMEOUT(splash.isNull(), 10000);
}

TEST_F(DesktopSessionTest, ASecondCopyAsksTheFirstToComeForwardAndEnds)
{
    DesktopSession first(folder, *store, prompter, {.splash = false, .singleInstance = true});
    ASSERT_TRUE(first.start());
    first.mainWindow().showMinimized();

    auto secondStore = home.settings();
    DesktopSession second(folder, *secondStore, prompter, {.splash = false, .singleInstance = true});
    EXPECT_FALSE(second.start());

    QTRY_VERIFY_WITH_TIMEOUT(!first.mainWindow().isMinimized(), 10000);
    EXPECT_TRUE(first.mainWindow().isVisible());
}

} // namespace

} // namespace tarnwell::test
