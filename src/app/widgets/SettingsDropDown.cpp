#include "SettingsDropDown.h"

#include "PictureButton.h"

namespace tarnwell {

namespace {
constexpr int kPadding = 3;
}

SettingsDropDown::SettingsDropDown(QWidget *parent) : QFrame(parent, Qt::Popup)
{
    setObjectName(QStringLiteral("pnlSettings"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    m_nextX = kPadding;
    m_general = add(QStringLiteral("btGeneral"), QStringLiteral("&General settings"), QStringLiteral("general"),
                    &SettingsDropDown::generalClicked);
    m_spam = add(QStringLiteral("btSpamSetup"), QStringLiteral("S&pam settings"), QStringLiteral("spam"),
                 &SettingsDropDown::spamClicked);
    m_stats = add(QStringLiteral("btStats"), QStringLiteral("S&tats"), QStringLiteral("stats"),
                  &SettingsDropDown::statsClicked);
    m_about = add(QStringLiteral("btAbout"), QStringLiteral("A&bout"), QStringLiteral("about"),
                  &SettingsDropDown::aboutClicked);
    m_blammo = add(QStringLiteral("btBlammo"), QStringLiteral("Smash it"), QStringLiteral("smash"),
                   &SettingsDropDown::blammoClicked);
    m_help = add(QStringLiteral("btHelp"), QStringLiteral("&Help"), QStringLiteral("help"),
                 &SettingsDropDown::helpClicked);
    fitToButtons();
}

PictureButton *SettingsDropDown::add(const QString &name, const QString &caption, const QString &picture,
                                     void (SettingsDropDown::*clicked)())
{
    auto *button = new PictureButton(name, caption, picture, QSize(kButtonWidth, kButtonHeight), this);
    button->move(m_nextX, kPadding);
    m_nextX += kButtonWidth;
    // The panel closes first, so a modal dialog opened by the command is not
    // hidden behind an open pop-up.
    connect(button, &PictureButton::clicked, this, [this, clicked] {
        hide();
        emit(this->*clicked)();
    });
    return button;
}

void SettingsDropDown::fitToButtons()
{
    setFixedSize(m_help->geometry().right() + 1 + kRightMargin, kButtonHeight + 2 * kPadding);
}

void SettingsDropDown::popUpBelow(QWidget *anchor)
{
    move(anchor->mapToGlobal(QPoint(0, anchor->height())));
    show();
    m_general->setFocus();
}

} // namespace tarnwell
