#pragma once

#include <QPointer>

#include <memory>

namespace tarnwell {

class ApplicationContext;
class DataFolder;
class GeneralSettingsDialog;
class SettingsStore;
class SingleInstance;
class TfrmMain;
class TfrmRetrieving;
class TfrmSplash;
class UserPrompter;
class WidgetMailboxPicker;

// The desktop program's start: the splash, the single-instance rule, and the
// long-lived windows in their order, wired to the check run. It owns them all.
class DesktopSession
{
public:
    struct Options
    {
        bool splash = true;
        bool singleInstance = true;
    };

    DesktopSession(const DataFolder &folder, SettingsStore &settings, UserPrompter &prompter, Options options);
    ~DesktopSession();

    // False when another copy runs: it has been asked to come forward and this
    // one should end without showing its window.
    bool start();

    ApplicationContext &context() { return *m_context; }
    TfrmMain &mainWindow() { return *m_main; }
    TfrmRetrieving &progress() { return *m_progress; }
    GeneralSettingsDialog &generalSettings() { return *m_general; }

private:
    const DataFolder &m_folder;
    UserPrompter &m_prompter;
    Options m_options;
    std::unique_ptr<ApplicationContext> m_context;
    std::unique_ptr<SingleInstance> m_instance;
    QPointer<TfrmSplash> m_splash;
    std::unique_ptr<TfrmMain> m_main;
    std::unique_ptr<TfrmRetrieving> m_progress;
    std::unique_ptr<GeneralSettingsDialog> m_general;
    std::unique_ptr<WidgetMailboxPicker> m_picker;
};

} // namespace tarnwell
