#pragma once

#include <QToolButton>

namespace tarnwell {

// An explorer-style button: its picture above a caption that wraps onto several
// lines inside the button's fixed width.
class PictureButton : public QToolButton
{
    Q_OBJECT
public:
    PictureButton(const QString &name, const QString &caption, const QString &picture, QSize size,
                  QWidget *parent = nullptr);

    void setPicture(const QString &picture);
    const QString &pictureName() const { return m_picture; }

    QSize sizeHint() const override { return m_size; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSize m_size;
    QString m_picture;
};

} // namespace tarnwell
