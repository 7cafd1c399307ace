#pragma once

class QString;

namespace tarnwell {

// The tray icon's right-click menu as a check affects it.
class TrayMenu
{
public:
    virtual ~TrayMenu() = default;
    // Disabled while a check runs, so that no second check starts from it.
    virtual void setMenuEnabled(bool enabled) = 0;
    // "Cancel" while a check runs, else "Exit".
    virtual void setExitCaption(const QString &caption) = 0;
    // Back to the normal, not animated image after a cancel.
    virtual void showNormalIcon() = 0;
};

} // namespace tarnwell
