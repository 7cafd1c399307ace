#pragma once

class QString;

namespace tarnwell {

// What the list's mark commands ask of the main window.
class MarkCommandsWindow
{
public:
    virtual ~MarkCommandsWindow() = default;
    // The alarm of the automatic check (a no-op when it is not playing).
    virtual void stopAlarm() = 0;
    // Status panel 2.
    virtual void showStatus(const QString &text) = 0;
};

} // namespace tarnwell
