#include "DesktopSession.h"

#include "TfrmMain.h"
#include "TfrmSplash.h"

#include "accounts/widgets/GeneralSettingsDialog.h"
#include "app/ApplicationContext.h"
#include "mail/widgets/TfrmRetrieving.h"
#include "mail/widgets/WidgetMailboxPicker.h"
#include "platform/DataFolder.h"
#include "platform/SingleInstance.h"

namespace tarnwell {

DesktopSession::DesktopSession(const DataFolder &folder, SettingsStore &settings, UserPrompter &prompter,
                               Options options)
    : m_folder(folder),
      m_prompter(prompter),
      m_options(options),
      m_context(std::make_unique<ApplicationContext>(folder, settings, prompter))
{
}

DesktopSession::~DesktopSession()
{
    // The windows go before the engine they point into.
    m_picker.reset();
    m_general.reset();
    m_progress.reset();
    m_main.reset();
    delete m_splash.data();
}

bool DesktopSession::start()
{
    if (m_options.splash) {
        m_splash = new TfrmSplash;
        m_splash->showNow();
    }

    if (m_options.singleInstance) {
        m_instance = std::make_unique<SingleInstance>(m_folder.path());
        if (!m_instance->claim())
            return false;
    }

    CheckRun &checkRun = m_context->checkRun();
    checkRun.setBeforePasswordWarning([this] {
        if (m_splash)
            m_splash->hide();
    });

    m_main = std::make_unique<TfrmMain>(*m_context, m_prompter, m_splash);
    m_progress = std::make_unique<TfrmRetrieving>(m_main.get());
    m_general = std::make_unique<GeneralSettingsDialog>(m_context->mailboxes(), m_context->mailboxStore(),
                                                        m_main.get());
    m_picker = std::make_unique<WidgetMailboxPicker>(m_prompter, m_main.get());

    m_main->attachGeneralSettings(m_general.get());
    // Loaded where the spam settings dialog is made at start; it keeps the working
    // copy for the whole run.
    m_context->readRuleSettings();
    CheckRunPorts ports;
    ports.window = m_main.get();
    ports.progress = m_progress.get();
    ports.picker = m_picker.get();
    ports.judge = &m_context->classifier();
    ports.ruleTables = m_context.get();
    checkRun.attach(ports);
    QObject::connect(m_progress.get(), &TfrmRetrieving::cancelRequested, m_main.get(),
                     [&checkRun] { checkRun.cancelOperation(); });

    if (m_instance)
        QObject::connect(m_instance.get(), &SingleInstance::raiseRequested, m_main.get(),
                         [this] { m_main->bringForward(); });
    return true;
}

} // namespace tarnwell
