#pragma once

#include "StoredGeneralOptions.h"

#include "accounts/MailboxList.h"
#include "accounts/MailboxStore.h"
#include "classify/pipeline/Classifier.h"
#include "classify/rules/KnownList.h"
#include "classify/rules/RuleTables.h"
#include "classify/rules/SpamOptions.h"
#include "mail/CheckRun.h"
#include "mail/MessageListModel.h"
#include "mail/MessageRowBuilder.h"
#include "mail/RuleTablesSaver.h"
#include "mail/SessionState.h"
#include "mail/marks/MessageListSource.h"
#include "platform/RegionalFormats.h"
#include "platform/pop3/DialUpConnector.h"
#include "platform/pop3/Pop3Client.h"

#include <QString>
#include <QTimer>

namespace tarnwell {

class DataFolder;
class SettingsStore;
class UserPrompter;

// Owns, for the whole run, what the main window owns in the engine: the POP3
// client, the message list, the mailbox list, the blacklist, the rule tables and
// spam options with the classifier that judges by them, the timers and the check
// run. The desktop program and tarnwell-cli build it the same way and hand out
// references. As the check run's rule-table port it writes the rule files.
class ApplicationContext final : public RuleTablesSaver
{
public:
    static constexpr int kCheckTickMs = 60000;
    static constexpr int kSplashTickMs = 1500;
    static constexpr quint16 kPop3Port = 110;
    static constexpr int kTimeOutSeconds = 2400;

    ApplicationContext(const DataFolder &folder, SettingsStore &settings, UserPrompter &prompter);
    ~ApplicationContext() override;
    ApplicationContext(const ApplicationContext &) = delete;
    ApplicationContext &operator=(const ApplicationContext &) = delete;

    // The engine part of the main window's creation: message directory, current
    // folder, the settings read at start, the timers, the dial-up link, the busy
    // flags, the rule-options file, the blacklist, the current mailbox and the
    // leftover messages.
    void FormCreate();

    const DataFolder &folder() const { return m_folder; }
    SettingsStore &settings() { return m_settings; }
    UserPrompter &prompter() { return m_prompter; }
    const RegionalFormats &formats() const { return m_formats; }
    MailboxList &mailboxes() { return m_mailboxes; }
    MailboxStore &mailboxStore() { return m_mailboxStore; }
    Pop3Client &client() { return m_client; }
    MessageListModel &list() { return m_list; }
    SessionState &state() { return m_state; }
    const StoredGeneralOptions &options() const { return m_options; }
    QTimer &checkTick() { return m_checkTick; }
    QTimer &splashTick() { return m_splashTick; }
    CheckRun &checkRun() { return m_checkRun; }
    KnownList &knownList() { return m_knownList; }
    // The working copy of the rule tables and spam options, and the classifier.
    RuleTables &ruleTables() { return m_ruleTables; }
    SpamOptions &spamOptions() { return m_spamOptions; }
    Classifier &classifier() { return m_classifier; }

    // Loads the working copy from the rule files and the spam options file, once at
    // start; a corrupt file is reported through the prompter. False when it stopped.
    bool readRuleSettings();
    // RuleTablesSaver: writes the working copy with its hit counts and counters at
    // the end of a check. Not after a load that stopped at a corrupt file: the
    // tables it never reached are empty here, and writing them would wipe the
    // user's good rule files.
    void saveRuleTables() override;

    // Links the client to the dial-up connector for any entry but the first ("None").
    void setDialUpEntry(int entry);

    // Read at start.
    bool automaticAtStart() const { return m_automaticAtStart; }
    int dialUpAtStart() const { return m_dialUpAtStart; }
    const QString &ruleOptionsFile() const { return m_ruleOptionsFile; }

private:
    const DataFolder &m_folder;
    SettingsStore &m_settings;
    UserPrompter &m_prompter;
    RegionalFormats m_formats;
    MailboxList m_mailboxes;
    MailboxStore m_mailboxStore;
    DialUpConnector m_dialUp; // outlives the client linked to it
    Pop3Client m_client;
    MessageListModel m_list;
    SessionState m_state;
    StoredGeneralOptions m_options;
    QTimer m_checkTick;
    QTimer m_splashTick;
    MessageRowBuilder m_rows;
    CheckRun m_checkRun;
    KnownList m_knownList;
    RuleTables m_ruleTables;
    SpamOptions m_spamOptions;
    MessageListSource m_source;
    Classifier m_classifier;
    bool m_ruleSettingsLoaded = true;

    bool m_automaticAtStart = false;
    int m_dialUpAtStart = 0;
    QString m_ruleOptionsFile;
};

} // namespace tarnwell
