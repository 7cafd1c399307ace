#include "CliCheckSession.h"

namespace tarnwell {

CliCheckSession::CliCheckSession(CliContext &context)
    : m_app(context.folder, context.settings, context.prompter)
{
}

CheckRun::Outcome CliCheckSession::check(std::optional<int> mailbox, RuleFiles ruleFiles)
{
    m_app.FormCreate();
    m_app.readRuleSettings();

    CheckRunPorts ports;
    ports.window = this;
    ports.judge = &m_app.classifier();
    ports.ruleTables = ruleFiles == RuleFiles::Save ? &m_app : nullptr;
    m_app.checkRun().attach(ports);

    // Nobody is there to answer: the run is unattended.
    m_app.state().unattendedCheck = true;
    m_app.state().currentMailbox = mailbox.value_or(m_app.mailboxes().which());
    return m_app.checkRun().btListClick(CheckRun::MailboxChoice::KeepCurrent);
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
