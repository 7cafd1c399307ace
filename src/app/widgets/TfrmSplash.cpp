#include "TfrmSplash.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace tarnwell {

TfrmSplash::TfrmSplash(QWidget *parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TfrmSplash"));
    setWindowTitle(QStringLiteral("Tarnwell"));
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);

    auto *title = new QLabel(QStringLiteral("Tarnwell"));
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont big = title->font();
    big.setPointSize(28);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);

    m_picture = new QLabel;
    m_picture->setObjectName(QStringLiteral("pnlPicture"));
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setPixmap(QIcon(QStringLiteral(":/images/splash")).pixmap(200, 180));

    auto *bottom = new QLabel(QStringLiteral("Starting up - checking your settings ..."));
    bottom->setObjectName(QStringLiteral("lblBottom"));
    bottom->setAlignment(Qt::AlignCenter);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(m_picture, 1);
    layout->addWidget(bottom);
}

void TfrmSplash::showNow()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfrmSplash::hidePicture()
{
    m_picture->hide();
    repaint();
}

} // namespace tarnwell
