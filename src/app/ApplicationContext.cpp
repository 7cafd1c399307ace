#include "ApplicationContext.h"

#include "classify/rules/SpamSettingsFiles.h"
#include "mail/MessageFiles.h"
#include "platform/DataFolder.h"
#include "platform/SettingsStore.h"

#include <QDir>

namespace tarnwell {

namespace {
const QString kGeneral = QStringLiteral("General");
const QString kServer = QStringLiteral("Server");
} // namespace

ApplicationContext::ApplicationContext(const DataFolder &folder, SettingsStore &settings, UserPrompter &prompter)
    : m_folder(folder),
      m_settings(settings),
      m_prompter(prompter),
      m_mailboxStore(settings, prompter),
      m_options(settings),
      m_rows(m_formats),
      m_checkRun(CheckRun::Parts{m_client, m_list, m_mailboxes, m_mailboxStore, m_state, m_options, m_checkTick,
                                 m_prompter, m_rows}),
      m_source(m_list, m_client.headers()),
      m_classifier({m_source, m_ruleTables, m_spamOptions, m_knownList, [this] { return m_checkRun.serverToIndex(); }})
{
    m_client.setDefaultPort(kPop3Port);
    m_client.setTimeOut(kTimeOutSeconds);
    m_mailboxStore.readServerSettings(m_mailboxes);
}

ApplicationContext::~ApplicationContext() = default;

void ApplicationContext::FormCreate()
{
    m_client.setMessageDirectory(QDir::toNativeSeparators(m_folder.path()) + QDir::separator());
    // Relative names then resolve in the data folder; when that fails they don't.
    QDir::setCurrent(m_folder.path());

    m_state.sysTrayMode = m_settings.flag(kGeneral, QStringLiteral("SysTray"), false);
    m_automaticAtStart = m_settings.flag(kGeneral, QStringLiteral("Automatic"), false);
    m_state.minutesToNextCheck = m_settings.integer(kGeneral, QStringLiteral("Minutes"), 10);
    m_state.currentMailbox = m_settings.integer(kServer, QStringLiteral("Which"), 1);
    m_dialUpAtStart = m_settings.integer(kGeneral, QStringLiteral("RAS"), 0);

    m_checkTick.setInterval(kCheckTickMs);
    m_splashTick.setInterval(kSplashTickMs);

    setDialUpEntry(m_dialUpAtStart);

    m_state.unattendedCheck = false;
    m_state.checkInProgress = false;

    m_ruleOptionsFile = m_folder.file(QStringLiteral("tarnwell.ini"));

    m_knownList.LoadUpKnownList(m_folder);
    m_checkRun.GetRemotePOPSettings(m_state.currentMailbox);
    MessageFiles::CleanUpEMLFiles(m_client.messageDirectory());
}

bool ApplicationContext::readRuleSettings()
{
    m_ruleSettingsLoaded = readSettings(m_ruleTables, m_spamOptions, m_folder, m_prompter);
    return m_ruleSettingsLoaded;
}

void ApplicationContext::saveRuleTables()
{
    if (m_ruleSettingsLoaded)
        Savesettings(m_ruleTables, m_spamOptions, m_folder);
}

void ApplicationContext::setDialUpEntry(int entry)
{
    m_client.setDialUp(entry == 0 ? nullptr : &m_dialUp);
}

} // namespace tarnwell
