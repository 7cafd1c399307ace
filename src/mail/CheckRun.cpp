#include "CheckRun.h"

#include "CheckActivityLog.h"
#include "CheckFailureMessage.h"
#include "CheckOptions.h"
#include "CheckRunWindow.h"
#include "MailboxPicker.h"
#include "MessageJudge.h"
#include "MessageListModel.h"
#include "MessageRowBuilder.h"
#include "ProgressDisplay.h"
#include "RuleTablesSaver.h"
#include "SessionState.h"
#include "TrayMenu.h"

#include "accounts/MailboxList.h"
#include "accounts/MailboxStore.h"
#include "classify/text/BlankText.h"
#include "platform/UserPrompter.h"
#include "platform/pop3/Pop3Client.h"

#include <QTimer>

namespace tarnwell {

namespace {

const QString kStandby = QStringLiteral("Retrieving messages ... standby");

bool isBlank(const QString &text)
{
    return isBlankText(text.toUtf8());
}

// Clears a flag on every way out.
class FlagGuard
{
public:
    explicit FlagGuard(bool &flag) : m_flag(flag) { m_flag = true; }
    ~FlagGuard() { m_flag = false; }
    FlagGuard(const FlagGuard &) = delete;
    FlagGuard &operator=(const FlagGuard &) = delete;

private:
    bool &m_flag;
};

} // namespace

CheckRun::CheckRun(const Parts &parts, QObject *parent)
    : QObject(parent), m_parts(parts), m_reporter(parts.client, m_ports)
{
    connect(&parts.client, &Pop3Client::OnNextInfoUpdated, this, &CheckRun::headerArrived);
    connect(&parts.client, &Pop3Client::OnInfoUpdated, this, &CheckRun::listingDone);
}

CheckRun::~CheckRun() = default;

void CheckRun::attach(const CheckRunPorts &ports)
{
    Q_ASSERT(ports.window);
    m_ports = ports;
}

bool CheckRun::isInteractive() const
{
    return (m_ports.window && m_ports.window->isShown()) || !m_parts.state.unattendedCheck;
}

CheckRun::Outcome CheckRun::btListClick(MailboxChoice choice)
{
    if (m_running || !m_ports.window)
        return {};
    FlagGuard running(m_running);
    return DoListClick(choice);
}

CheckRun::Outcome CheckRun::refuse(const QString &text)
{
    if (isInteractive()) {
        m_parts.prompter.error(text);
        m_ports.window->openGeneralSettings();
    }
    return {Outcome::Result::Refused, text};
}

CheckRun::Outcome CheckRun::DoListClick(MailboxChoice choice)
{
    Pop3Client &client = m_parts.client;
    MessageListModel &list = m_parts.list;
    SessionState &state = m_parts.state;

    if (m_parts.mailboxes.HowManyMailboxesChecked() == 0)
        return refuse(QString::fromLatin1(kNoMailboxEnabled));

    if (!MailboxList::isSlot(state.currentMailbox))
        state.currentMailbox = 1;
    GetRemotePOPSettings(state.currentMailbox);

    if (isBlank(client.userName()))
        return refuse(QString::fromLatin1(kNoUserName));
    if (isBlank(client.server()))
        return refuse(QString::fromLatin1(kNoServer));

    if (choice == MailboxChoice::AsConfigured && !chooseMailbox())
        return {Outcome::Result::Refused, {}};

    client.setKeepConnected(m_parts.mailboxes.OnlyOneMailbox());

    const bool tickWasActive = m_parts.checkTick.isActive();
    m_parts.checkTick.stop();

    list.clear();
    goBusy();

    QString message;
    m_quiet = false;
    {
        FlagGuard listing(m_listing);
        m_reporter.setActive(true);
        const bool listed = client.ListHeaders();
        m_reporter.setActive(false);
        if (!listed)
            message = failed();
    }

    returnToIdle(tickWasActive);

    if (m_ports.log)
        m_ports.log->writeCheckLine(list.count(), client.userName(), client.server());

    if (list.count() == 0 && !m_parts.options.automaticChecking() && m_parts.options.exitWhenNoMail())
        m_ports.window->leaveAfterEmptyCheck();

    m_ports.window->showStatus(list.totalCountText());
    if (m_ports.ruleTables)
        m_ports.ruleTables->saveRuleTables();

    if (!message.isNull())
        return {Outcome::Result::Failed, message};
    return {Outcome::Result::Listed, {}};
}

// The timer's own checks never ask: they have set currentMailbox themselves and
// run with the countdown at zero.
bool CheckRun::chooseMailbox()
{
    SessionState &state = m_parts.state;
    const bool ask = !m_parts.options.automaticChecking() || (state.minutesToNextCheck > 0 && isInteractive());
    if (!ask)
        return true;

    const MailboxList &mailboxes = m_parts.mailboxes;
    if (mailboxes.HowManyMailboxesChecked() == 1) {
        state.currentMailbox = mailboxes.FirstMailboxChecked();
    } else {
        if (!m_ports.picker)
            return false;
        const std::optional<int> picked = m_ports.picker->pickMailbox(mailboxes, state.currentMailbox);
        if (!picked || !MailboxList::isSlot(*picked))
            return false;
        state.currentMailbox = *picked;
    }
    m_parts.mailboxes.selectSlot(state.currentMailbox); // synchronizeIwhich
    GetRemotePOPSettings(state.currentMailbox);
    return true;
}

void CheckRun::goBusy()
{
    m_ports.window->showExitAsCancel(true);
    if (m_ports.tray)
        m_ports.tray->setExitCaption(QStringLiteral("Cancel"));
    m_ports.window->disableAllButtons();
    if (m_ports.progress) {
        m_ports.progress->setTitle(kStandby);
        if (isInteractive())
            m_ports.progress->showFor(m_parts.client.server(), m_parts.client.userName());
    }
    m_parts.state.checkInProgress = true;
    if (m_ports.tray)
        m_ports.tray->setMenuEnabled(false);
}

// Step by step the same whether the listing worked, failed or was cancelled.
void CheckRun::returnToIdle(bool tickWasActive)
{
    if (m_ports.tray)
        m_ports.tray->setMenuEnabled(true);
    m_parts.state.checkInProgress = false;
    m_parts.list.flush();
    if (m_ports.progress)
        m_ports.progress->hideDisplay();
    m_ports.window->enableAllButtons();
    m_ports.window->showExitAsCancel(false);
    if (m_ports.tray)
        m_ports.tray->setExitCaption(QStringLiteral("Exit"));
    m_ports.window->updateCheckPicture();
    if (tickWasActive)
        m_parts.checkTick.start();
}

QString CheckRun::failed()
{
    Pop3Client &client = m_parts.client;
    const QString message = CheckFailureMessage(client.lastFailure(), client.server(), client.userName());
    const bool interactive = isInteractive() && !m_quiet;
    if (client.IsConnected())
        client.Disconnect();
    if (interactive) {
        m_ports.window->enableAllButtons();
        m_parts.state.checkInProgress = false;
        if (m_ports.progress)
            m_ports.progress->hideDisplay();
        m_parts.prompter.error(message);
    }
    return message;
}

void CheckRun::headerArrived(int index)
{
    // A cancel has emptied the list; nothing more belongs in it.
    if (!m_listing || !m_parts.state.checkInProgress)
        return;
    const Pop3Client &client = m_parts.client;
    if (index < 0 || index >= client.headers().size())
        return;

    MessageListModel &list = m_parts.list;
    list.append(m_parts.rows.build(client.headers().at(index)));
    const int row = list.count() - 1;
    const int count = client.messageCount();

    m_ports.window->showStatus(QStringLiteral("Checking message %1 of %2 total waiting messages")
                                   .arg(index + 1)
                                   .arg(count));
    if (m_ports.judge)
        m_ports.judge->MarkForDeletion(row);
    if (m_ports.progress) {
        m_ports.progress->setMessage(QStringLiteral("Message %1 of %2").arg(index + 1).arg(count));
        m_ports.progress->showBar(count, index + 1);
    }
    m_ports.window->scrollListDown();
}

void CheckRun::listingDone()
{
    if (!m_listing)
        return;
    const Pop3Client &client = m_parts.client;
    m_ports.window->showStatus(QStringLiteral("%1 msg(s) for %2 on %3")
                                   .arg(client.headers().size())
                                   .arg(client.userName(), client.server()));
    if (m_ports.judge)
        m_ports.judge->MarkForDeletion(MessageJudge::kAllRows);
    m_parts.list.flush();
    m_ports.window->enableAllButtons();
    if (m_ports.progress)
        m_ports.progress->hideDisplay();
}

void CheckRun::endQuietly()
{
    if (m_listing)
        m_quiet = true;
}

void CheckRun::cancelOperation()
{
    m_parts.client.Cancel();
    if (m_parts.state.checkInProgress)
        m_parts.list.clear();
    m_parts.state.checkInProgress = false;
    if (m_ports.window)
        m_ports.window->enableAllButtons();
    if (m_ports.progress)
        m_ports.progress->hideDisplay();
}

bool CheckRun::GetRemotePOPSettings(int slot)
{
    if (!MailboxList::isSlot(slot))
        return false;
    const std::optional<ConnectionSettings> settings =
        m_parts.mailboxStore.GetRemotePOPSettings(slot, m_beforePasswordWarning);
    if (!settings)
        return false;
    m_parts.client.setServer(settings->server);
    m_parts.client.setUserName(settings->userName);
    m_parts.client.setPassword(settings->password);
    return true;
}

int CheckRun::serverToIndex() const
{
    return m_parts.mailboxes.serverToIndex(m_parts.client.server(), m_parts.client.userName());
}

} // namespace tarnwell
