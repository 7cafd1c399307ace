#include "mail/widgets/TfrmRetrieving.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace tarnwell {

namespace {

TEST(TfrmRetrievingTest, IsAFixedDialogWithItsCaptionAndCancelButton)
{
    TfrmRetrieving dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Retrieving ..."));
    EXPECT_EQ(dialog.size(), QSize(461, 209));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_FALSE(dialog.isModal()) << "the main window and its Cancel stay usable";
    EXPECT_EQ(dialog.cancelButton()->text(), QStringLiteral("Click to cancel"));
}

TEST(TfrmRetrievingTest, ShowingFillsTheLinesAndStartsTheAnimation)
{
    TfrmRetrieving dialog;
    dialog.setMessage(QStringLiteral("left over"));
    dialog.showBar(10, 4);
    dialog.setTitle(QStringLiteral("something else"));

    dialog.showFor(QStringLiteral("pop.example.com"), QStringLiteral("joe"));

    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.serverLine()->text(), QStringLiteral("pop.example.com"));
    EXPECT_EQ(dialog.mailboxLine()->text(), QStringLiteral("joe"));
    EXPECT_EQ(dialog.titleLabel()->text(), QStringLiteral("Retrieving messages ... standby"));
    EXPECT_TRUE(dialog.messageLabel()->text().isEmpty());
    EXPECT_TRUE(dialog.bar()->isHidden());
    EXPECT_TRUE(dialog.isAnimating());
    EXPECT_FALSE(dialog.picture()->pixmap().isNull()) << "the animation frames are among the program's pictures";

    dialog.hideDisplay();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.isAnimating());
}

TEST(TfrmRetrievingTest, TheAnimationStepsThroughTenFramesEveryThreeHundredMilliseconds)
{
    TfrmRetrieving dialog;
    QElapsedTimer clock;
    dialog.showFor(QStringLiteral("s"), QStringLiteral("u"));
    clock.start();
    // Each frame comes round every three seconds; a loaded machine may miss one
    // sighting, so every wait allows several rounds.
    QTRY_VERIFY_WITH_TIMEOUT(dialog.frame() == 1, 30000);
    EXPECT_GE(clock.elapsed(), TfrmRetrieving::kFrameMs - 20);
    QTRY_VERIFY_WITH_TIMEOUT(dialog.frame() == TfrmRetrieving::kFrames - 1, 30000);
    QTRY_VERIFY_WITH_TIMEOUT(dialog.frame() == 0, 30000);
}

TEST(TfrmRetrievingTest, ShowsTheProgressOfTheListing)
{
    TfrmRetrieving dialog;
    dialog.showFor(QStringLiteral("s"), QStringLiteral("u"));

    dialog.setMessage(QStringLiteral("Message 3 of 8"));
    dialog.showBar(8, 3);
    EXPECT_EQ(dialog.messageLabel()->text(), QStringLiteral("Message 3 of 8"));
    EXPECT_FALSE(dialog.bar()->isHidden());
    EXPECT_EQ(dialog.bar()->maximum(), 8);
    EXPECT_EQ(dialog.bar()->value(), 3);

    dialog.hideBar();
    EXPECT_TRUE(dialog.bar()->isHidden());
}

TEST(TfrmRetrievingTest, ClickToCancelAsksForTheCancel)
{
    TfrmRetrieving dialog;
    dialog.showFor(QStringLiteral("s"), QStringLiteral("u"));
    QSignalSpy cancel(&dialog, &TfrmRetrieving::cancelRequested);

    QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);

    EXPECT_EQ(cancel.count(), 1);
}

} // namespace

} // namespace tarnwell
