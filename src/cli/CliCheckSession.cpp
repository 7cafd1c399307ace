#include "CliCheckSession.h"

#include "classify/rules/SpamSettingsFiles.h"

namespace tarnwell {

CliCheckSession::CliCheckSession(CliContext &context)
    : m_context(context),
      m_app(context.folder, context.settings, context.prompter),
      m_source(m_app.list(), m_app.client().headers()),
      m_classifier({m_source, m_tables, m_options, m_app.knownList(), [this] { return m_app.checkRun().serverToIndex(); }})
{
}

CheckRun::Outcome CliCheckSession::check(std::optional<int> mailbox, RuleFiles ruleFiles)
{
    m_app.FormCreate();
    readSettings(m_tables, m_options, m_context.folder, m_context.prompter);

    CheckRunPorts ports;
    ports.window = this;
    ports.judge = &m_classifier;
    ports.ruleTables = ruleFiles == RuleFiles::Save ? this : nullptr;
    m_app.checkRun().attach(ports);

    // Nobody is there to answer: the run is unattended.
    m_app.state().unattendedCheck = true;
    m_app.state().currentMailbox = mailbox.value_or(m_app.mailboxes().which());
    return m_app.checkRun().btListClick(CheckRun::MailboxChoice::KeepCurrent);
}

void CliCheckSession::saveRuleTables()
{
    Savesettings(m_tables, m_options, m_context.folder);
}

bool CliCheckSession::takeMailboxOption(QStringList &arguments, std::optional<int> &mailbox)
{
    if (arguments.value(0) != QLatin1String("--mailbox"))
        return true;
    bool ok = false;
    const int slot = arguments.value(1).toInt(&ok);
    if (!ok || !MailboxList::isSlot(slot))
        return false;
    mailbox = slot;
    arguments.remove(0, 2);
    return true;
}

} // namespace tarnwell
