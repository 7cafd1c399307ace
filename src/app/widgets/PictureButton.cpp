#include "PictureButton.h"

#include <QIcon>
#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace tarnwell {

namespace {
constexpr int kPicture = 24;
constexpr int kMargin = 1;
// Small enough for three short lines under the picture in a 51-pixel button.
constexpr int kCaptionPixels = 11;
} // namespace

PictureButton::PictureButton(const QString &name, const QString &caption, const QString &picture, QSize size,
                             QWidget *parent)
    : QToolButton(parent), m_size(size)
{
    setObjectName(name);
    setText(caption);
    setFixedSize(size);
    setAutoRaise(true);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setIconSize(QSize(kPicture, kPicture));
    setPicture(picture);
    QFont small = font();
    small.setPixelSize(kCaptionPixels);
    setFont(small);
}

void PictureButton::setPicture(const QString &picture)
{
    m_picture = picture;
    setIcon(QIcon(QStringLiteral(":/images/") + picture));
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QStylePainter p(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    // The frame only; picture and caption are drawn below so the caption can wrap.
    option.text.clear();
    option.icon = QIcon();
    p.drawComplexControl(QStyle::CC_ToolButton, option);

    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    const QRect pictureRect((width() - kPicture) / 2, kMargin + 3, kPicture, kPicture);
    icon().paint(&p, pictureRect, Qt::AlignCenter, mode);

    const QRect textRect(kMargin, pictureRect.bottom() + 2 * kMargin + 1, width() - 2 * kMargin,
                         height() - pictureRect.bottom() - 2 * kMargin);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(textRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic, text());
}

} // namespace tarnwell
