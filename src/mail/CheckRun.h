#pragma once

#include "mail/CheckRunPorts.h"
#include "mail/Pop3EventReporter.h"

#include <QObject>
#include <QString>

#include <functional>

class QTimer;

namespace tarnwell {

class CheckOptions;
class MailboxList;
class MailboxStore;
class MessageListModel;
class MessageRowBuilder;
class Pop3Client;
class UserPrompter;
struct SessionState;

// One check of one mailbox: the preconditions, the choice of mailbox, the busy
// state, the listing with a row per arriving header, the failure message, and the
// return to idle. The window, the tray, the automatic check and tarnwell-cli all
// start it here.
class CheckRun : public QObject
{
    Q_OBJECT
public:
    struct Parts
    {
        Pop3Client &client;
        MessageListModel &list;
        MailboxList &mailboxes;
        const MailboxStore &mailboxStore;
        SessionState &state;
        const CheckOptions &options;
        QTimer &checkTick;
        UserPrompter &prompter;
        const MessageRowBuilder &rows;
    };

    // AsConfigured asks the user when several mailboxes are enabled, as the
    // Check e-mail command does; KeepCurrent checks currentMailbox as it is set
    // (tarnwell-cli's --mailbox).
    enum class MailboxChoice { AsConfigured, KeepCurrent };

    struct Outcome
    {
        enum class Result {
            Ignored, // a check was already running
            Refused, // a precondition failed or the choice was cancelled
            Listed,
            Failed,  // the listing failed or was cancelled
        };
        Result result = Result::Ignored;
        // The message shown, or that would have been shown to an interactive user.
        QString message;
    };

    static constexpr const char *kNoMailboxEnabled = "At least ONE mailbox needs to be checked.";
    static constexpr const char *kNoUserName = "You need to enter your e-mail username in the settings.";
    static constexpr const char *kNoServer = "You need to enter the name of your mail server in the settings.";

    CheckRun(const Parts &parts, QObject *parent = nullptr);
    ~CheckRun() override;

    // Connects the window side; done once the windows exist.
    void attach(const CheckRunPorts &ports);
    const CheckRunPorts &ports() const { return m_ports; }

    // Runs before the one-time password warning (it hides the splash window).
    void setBeforePasswordWarning(std::function<void()> hook) { m_beforePasswordWarning = std::move(hook); }

    // btListClick: ignored while a previous one is still running.
    Outcome btListClick(MailboxChoice choice = MailboxChoice::AsConfigured);
    bool isRunning() const { return m_running; }

    // The window is visible or no timer-driven check runs: only then are dialogs
    // and message boxes shown.
    bool isInteractive() const;

    // Exit-as-Cancel and the progress dialog's "Click to cancel".
    void cancelOperation();
    // The program is ending: a listing still running fails without a message box.
    void endQuietly();

    // Loads the slot's server, user name and password into the client; false when
    // nothing was loaded (a slot outside 1..12, or the call that writes the
    // password-format marker).
    bool GetRemotePOPSettings(int slot);

    // The mailbox row whose server and user name are those in the client, 0 for none.
    int serverToIndex() const;

private:
    Outcome DoListClick(MailboxChoice choice);
    Outcome refuse(const QString &text);
    bool chooseMailbox();
    void goBusy();
    void returnToIdle(bool tickWasActive);
    QString failed();
    void headerArrived(int index);
    void listingDone();

    Parts m_parts;
    CheckRunPorts m_ports;
    Pop3EventReporter m_reporter;
    std::function<void()> m_beforePasswordWarning;
    bool m_running = false;
    bool m_listing = false;
    bool m_quiet = false;
};

} // namespace tarnwell
