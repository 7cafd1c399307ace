#include "TfrmRetrieving.h"

#include <QFont>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace tarnwell {

namespace {
constexpr int kWidth = 461;
constexpr int kHeight = 209;
constexpr int kPictureSize = 48;
const QString kStandby = QStringLiteral("Retrieving messages ... standby");

QPixmap framePicture(int frame)
{
    return QIcon(QStringLiteral(":/images/anim%1").arg(frame)).pixmap(kPictureSize, kPictureSize);
}
} // namespace

TfrmRetrieving::TfrmRetrieving(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmRetrieving"));
    setWindowTitle(QStringLiteral("Retrieving ..."));
    setModal(false);
    setFixedSize(kWidth, kHeight);

    auto *lines = new QGridLayout;
    lines->addWidget(new QLabel(QStringLiteral("Server:")), 0, 0);
    m_server = new QLabel;
    lines->addWidget(m_server, 0, 1);
    lines->addWidget(new QLabel(QStringLiteral("Mailbox:")), 1, 0);
    m_mailbox = new QLabel;
    lines->addWidget(m_mailbox, 1, 1);
    lines->setColumnStretch(1, 1);

    m_title = new QLabel(kStandby);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_message = new QLabel;

    auto *texts = new QVBoxLayout;
    texts->addLayout(lines);
    texts->addWidget(m_title);
    texts->addWidget(m_message);

    m_picture = new QLabel;
    m_picture->setFixedSize(kPictureSize, kPictureSize);
    m_picture->setPixmap(framePicture(0));

    auto *top = new QHBoxLayout;
    top->addWidget(m_picture, 0, Qt::AlignTop);
    top->addLayout(texts, 1);

    m_bar = new QProgressBar;
    m_bar->setTextVisible(false);
    m_bar->hide();

    m_cancel = new QPushButton(QStringLiteral("Click to cancel"));
    m_cancel->setObjectName(QStringLiteral("btCancel"));
    connect(m_cancel, &QPushButton::clicked, this, &TfrmRetrieving::cancelRequested);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_bar);
    layout->addStretch();
    layout->addWidget(m_cancel, 0, Qt::AlignHCenter);

    m_animation.setInterval(kFrameMs);
    connect(&m_animation, &QTimer::timeout, this, &TfrmRetrieving::nextFrame);
}

void TfrmRetrieving::setTitle(const QString &title)
{
    m_title->setText(title);
}

void TfrmRetrieving::showFor(const QString &server, const QString &userName)
{
    m_message->clear();
    m_server->setText(server);
    m_mailbox->setText(userName);
    m_title->setText(kStandby);
    m_bar->hide();
    m_frame = 0;
    m_picture->setPixmap(framePicture(m_frame));
    m_animation.start();
    if (const QScreen *screen = (parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen()))
        move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
}

void TfrmRetrieving::hideDisplay()
{
    hide();
}

void TfrmRetrieving::setMessage(const QString &text)
{
    m_message->setText(text);
}

void TfrmRetrieving::hideBar()
{
    m_bar->hide();
}

void TfrmRetrieving::showBar(int maximum, int position)
{
    m_bar->setRange(0, qMax(maximum, 1));
    m_bar->setValue(qBound(0, position, qMax(maximum, 1)));
    m_bar->show();
}

void TfrmRetrieving::hideEvent(QHideEvent *event)
{
    m_animation.stop();
    QDialog::hideEvent(event);
}

void TfrmRetrieving::nextFrame()
{
    m_frame = (m_frame + 1) % kFrames;
    m_picture->setPixmap(framePicture(m_frame));
}

} // namespace tarnwell
