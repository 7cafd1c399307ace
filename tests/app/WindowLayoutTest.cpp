#include "support/TempHome.h"

#include "app/AutomaticCaption.h"
#include "app/WindowLayout.h"
#include "platform/SettingsStore.h"

#include <gtest/gtest.h>

namespace tarnwell::test {

namespace {

using WindowLayoutTest = HomeTest;

TEST_F(WindowLayoutTest, AnEmptyStoreGivesTheDefaults)
{
    const WindowLayout layout = WindowLayout::read(*home.settings());
    EXPECT_EQ(layout.columnWidths, (std::array<int, 5>{220, 140, 120, 40, 130}));
    EXPECT_EQ(layout.top, 10);
    EXPECT_EQ(layout.left, 10);
    EXPECT_EQ(layout.width, 640);
    EXPECT_EQ(layout.height, 440);
}

TEST_F(WindowLayoutTest, WrittenValuesReadBackUnderTheirNames)
{
    WindowLayout layout;
    layout.columnWidths = {300, 100, 90, 55, 150};
    layout.top = 33;
    layout.left = 44;
    layout.width = 700;
    layout.height = 500;
    layout.write(*home.settings());

    const auto store = home.settings();
    EXPECT_EQ(store->text(QStringLiteral("Column"), QStringLiteral("col1")), QStringLiteral("300"));
    EXPECT_EQ(store->text(QStringLiteral("Column"), QStringLiteral("col5")), QStringLiteral("150"));
    EXPECT_EQ(store->text({}, QStringLiteral("FormTop")), QStringLiteral("33"));
    EXPECT_EQ(store->text({}, QStringLiteral("FormHeight")), QStringLiteral("500"));

    const WindowLayout back = WindowLayout::read(*store);
    EXPECT_EQ(back.columnWidths, layout.columnWidths);
    EXPECT_EQ(back.top, 33);
    EXPECT_EQ(back.left, 44);
    EXPECT_EQ(back.width, 700);
    EXPECT_EQ(back.height, 500);
}

TEST_F(WindowLayoutTest, AnUnreadableValueKeepsItsDefault)
{
    const auto store = home.settings();
    store->setText(QStringLiteral("Column"), QStringLiteral("col2"), QStringLiteral("wide"));
    store->setText({}, QStringLiteral("FormWidth"), QStringLiteral(""));
    store->setText(QStringLiteral("Column"), QStringLiteral("COL3"), QStringLiteral("77"));

    const WindowLayout layout = WindowLayout::read(*store);
    EXPECT_EQ(layout.columnWidths[1], 140);
    EXPECT_EQ(layout.columnWidths[2], 77) << "names match without regard to case";
    EXPECT_EQ(layout.width, 640);
}

TEST(AutomaticCaptionTest, ShowsTheCountdownOnlyWhileAutomaticCheckingIsOn)
{
    EXPECT_EQ(automaticCaption(false, 5), QStringLiteral("Tarnwell"));
    EXPECT_EQ(automaticCaption(true, 1), QStringLiteral("Tarnwell - next e-mail check in 1 minute"));
    EXPECT_EQ(automaticCaption(true, 2), QStringLiteral("Tarnwell - next e-mail check in 2 minutes"));
    EXPECT_EQ(automaticCaption(true, 0), QStringLiteral("Tarnwell - next e-mail check in 0 minutes"));
}

} // namespace

} // namespace tarnwell::test
