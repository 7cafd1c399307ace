#pragma once

#include <QWidget>

class QLabel;

namespace tarnwell {

// The start-up window: borderless, above the others, centred, 407 x 319.
class TfrmSplash : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kWidth = 407;
    static constexpr int kHeight = 319;

    explicit TfrmSplash(QWidget *parent = nullptr);

    // Shows the window and paints it before the start-up goes on.
    void showNow();
    void hidePicture();

    QLabel *picture() const { return m_picture; }

private:
    QLabel *m_picture = nullptr;
};

} // namespace tarnwell
