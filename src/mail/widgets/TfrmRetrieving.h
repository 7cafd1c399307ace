#pragma once

#include "mail/ProgressDisplay.h"

#include <QDialog>
#include <QTimer>

class QLabel;
class QProgressBar;
class QPushButton;

namespace tarnwell {

// "Retrieving ...": the progress dialog of a check, shown without blocking the
// main window so that its Cancel (and the window's) stay usable.
class TfrmRetrieving : public QDialog, public ProgressDisplay
{
    Q_OBJECT
public:
    static constexpr int kFrames = 10;
    static constexpr int kFrameMs = 300;

    explicit TfrmRetrieving(QWidget *parent = nullptr);

    void setTitle(const QString &title) override;
    void showFor(const QString &server, const QString &userName) override;
    void hideDisplay() override;
    void setMessage(const QString &text) override;
    void hideBar() override;
    void showBar(int maximum, int position) override;

    QLabel *serverLine() const { return m_server; }
    QLabel *mailboxLine() const { return m_mailbox; }
    QLabel *titleLabel() const { return m_title; }
    QLabel *messageLabel() const { return m_message; }
    QLabel *picture() const { return m_picture; }
    QProgressBar *bar() const { return m_bar; }
    QPushButton *cancelButton() const { return m_cancel; }
    int frame() const { return m_frame; }
    bool isAnimating() const { return m_animation.isActive(); }

signals:
    // "Click to cancel"
    void cancelRequested();

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void nextFrame();

    QLabel *m_server = nullptr;
    QLabel *m_mailbox = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_message = nullptr;
    QLabel *m_picture = nullptr;
    QProgressBar *m_bar = nullptr;
    QPushButton *m_cancel = nullptr;
    QTimer m_animation;
    int m_frame = 0;
};

} // namespace tarnwell
