#pragma once

#include <QFrame>

namespace tarnwell {

class PictureButton;

// The panel that drops down from "Settings && Stats": General settings, Spam
// settings, Stats, About, Smash it, Help.
class SettingsDropDown : public QFrame
{
    Q_OBJECT
public:
    static constexpr int kButtonWidth = 54;
    static constexpr int kButtonHeight = 64;
    // The panel ends this far after the Help button.
    static constexpr int kRightMargin = 5;

    explicit SettingsDropDown(QWidget *parent = nullptr);

    PictureButton *btGeneral() const { return m_general; }
    PictureButton *btSpamSetup() const { return m_spam; }
    PictureButton *btStats() const { return m_stats; }
    PictureButton *btAbout() const { return m_about; }
    PictureButton *btBlammo() const { return m_blammo; }
    PictureButton *btHelp() const { return m_help; }

    // Sizes the panel to end kRightMargin pixels after the Help button.
    void fitToButtons();
    // Opens below the given button.
    void popUpBelow(QWidget *anchor);

signals:
    void generalClicked();
    void spamClicked();
    void statsClicked();
    void aboutClicked();
    void blammoClicked();
    void helpClicked();

private:
    PictureButton *add(const QString &name, const QString &caption, const QString &picture,
                       void (SettingsDropDown::*clicked)());

    PictureButton *m_general = nullptr;
    PictureButton *m_spam = nullptr;
    PictureButton *m_stats = nullptr;
    PictureButton *m_about = nullptr;
    PictureButton *m_blammo = nullptr;
    PictureButton *m_help = nullptr;
    int m_nextX = 0;
};

} // namespace tarnwell
