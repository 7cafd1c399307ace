#pragma once

#include "mail/CheckRunWindow.h"
#include "mail/marks/MarkCommands.h"
#include "mail/marks/MarkCommandsWindow.h"

#include <QMainWindow>
#include <QPointer>

class QLabel;

namespace tarnwell {

class ApplicationContext;
class GeneralSettingsDialog;
class MainButtonPanel;
class MessageListView;
class SettingsDropDown;
class TfrmSplash;
class TrayMenu;
class UserPrompter;

// The main window. It shows the list and the buttons and hands every command to
// the object that carries it out (the check run, the mark commands, the dialogs);
// the engine state lives in the application context.
class TfrmMain : public QMainWindow, public CheckRunWindow, public MarkCommandsWindow
{
    Q_OBJECT
public:
    static constexpr int kMinimumWidth = 476;
    static constexpr int kMinimumHeight = 70;
    static constexpr int kStatusPanel1Width = 300;

    // Runs FormCreate. splash, when given, is taken down by the splash tick.
    TfrmMain(ApplicationContext &context, UserPrompter &prompter, TfrmSplash *splash = nullptr,
             QWidget *parent = nullptr);
    ~TfrmMain() override;

    // The dialogs created after the window.
    void attachGeneralSettings(GeneralSettingsDialog *dialog);

    // Commands.
    void btListClick();
    void btOptionsClick();
    void btExitClick();
    // The tray menu's "Exit": ends the program at once, storing nothing.
    void exitFromTrayMenu();
    void btGeneralClick();
    void btHelpClick();
    // The list's mark commands: "&Mark msgs" (also double click and key M) on the
    // selected rows, "&Reset all marks" (key R), "&Auto mark msgs" (key A).
    void btMarkClick();
    void ResetButtonClick();
    void btRemarkClick();
    MarkCommands &markCommands() { return m_marks; }
    void UpdateAutomaticCaptions(bool automatic, int minutes);
    // Another copy of the program was started.
    void bringForward();

    // CheckRunWindow and MarkCommandsWindow
    bool isShown() const override;
    void showStatus(const QString &text) override;
    void stopAlarm() override;
    void disableAllButtons() override;
    void enableAllButtons() override;
    void showExitAsCancel(bool cancel) override;
    void updateCheckPicture() override;
    void scrollListDown() override;
    void openGeneralSettings() override;
    void leaveAfterEmptyCheck() override;

    MainButtonPanel *buttons() const { return m_buttons; }
    MessageListView *listView() const { return m_listView; }
    SettingsDropDown *settingsDropDown() const { return m_dropDown; }
    QLabel *statusPanel1() const { return m_status1; }
    QLabel *statusPanel2() const { return m_status2; }
    bool isTrayMode() const;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void FormCloseQuery();
    void takeDownSplash();
    void afterGeneralSettings();
    void restoreExitButton();

    ApplicationContext &m_context;
    UserPrompter &m_prompter;
    QPointer<TfrmSplash> m_splash;
    QPointer<GeneralSettingsDialog> m_general;
    TrayMenu *m_tray = nullptr; // arrives with the tray icon
    MainButtonPanel *m_buttons = nullptr;
    MessageListView *m_listView = nullptr;
    SettingsDropDown *m_dropDown = nullptr;
    QLabel *m_status1 = nullptr;
    QLabel *m_status2 = nullptr;
    MarkCommands m_marks;
    bool m_exitIsCancel = false;
    bool m_shownBefore = false;
};

} // namespace tarnwell
