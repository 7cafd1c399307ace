#pragma once

class QString;

namespace tarnwell {

// What the check run asks of the main window. tarnwell-cli, which has no window,
// answers with a console stand-in that is never shown.
class CheckRunWindow
{
public:
    virtual ~CheckRunWindow() = default;

    // Together with the unattended flag this decides whether dialogs may appear.
    virtual bool isShown() const = 0;
    // Status panel 2.
    virtual void showStatus(const QString &text) = 0;

    virtual void disableAllButtons() = 0;
    virtual void enableAllButtons() = 0;
    // The exit button as "Cancel" with the stop picture while a check runs, else
    // its normal caption and door pictures.
    virtual void showExitAsCancel(bool cancel) = 0;
    // The Check e-mail button's up picture when the list has rows, else down.
    virtual void updateCheckPicture() = 0;
    // Keeps the newest rows in sight while a listing fills the list.
    virtual void scrollListDown() = 0;

    // The General settings dialog, as its button opens it, with the follow-up.
    virtual void openGeneralSettings() = 0;
    // An empty manual check with "exit after checking" on: hide to the tray in
    // system-tray mode, else close the window, which ends the program.
    virtual void leaveAfterEmptyCheck() = 0;
};

} // namespace tarnwell
