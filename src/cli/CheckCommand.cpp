// tarnwell-cli check [--mailbox N]: the check run of the Check e-mail button,
// without a window: one line per listed message, then the totals.
#include "CliCommand.h"

#include "app/ApplicationContext.h"
#include "mail/CheckRunWindow.h"
#include "platform/ByteText.h"

namespace tarnwell {

namespace {

// Stands where the main window would: it is never shown, so the check run shows
// no dialog and no message box; the last status text is kept for the totals.
class ConsoleCheckWindow final : public CheckRunWindow
{
public:
    bool isShown() const override { return false; }
    void showStatus(const QString &text) override { m_status = text; }
    void disableAllButtons() override {}
    void enableAllButtons() override {}
    void showExitAsCancel(bool) override {}
    void updateCheckPicture() override {}
    void scrollListDown() override {}
    void openGeneralSettings() override {}
    // The command ends after the check in any case.
    void leaveAfterEmptyCheck() override {}

    const QString &status() const { return m_status; }

private:
    QString m_status;
};

// One value of a tab-separated line: TAB, CR and LF become spaces.
QString field(const QString &text)
{
    QString flat = text;
    for (QChar &c : flat)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    return flat;
}

QString field(const QByteArray &bytes)
{
    return field(displayText(bytes));
}

int runCheck(CliContext &context, const QStringList &arguments)
{
    std::optional<int> mailbox;
    if (arguments.size() == 2 && arguments.at(0) == QLatin1String("--mailbox")) {
        bool ok = false;
        mailbox = arguments.at(1).toInt(&ok);
        if (!ok || !MailboxList::isSlot(*mailbox))
            return cliUsage(context, QStringLiteral("check"));
    } else if (!arguments.isEmpty()) {
        return cliUsage(context, QStringLiteral("check"));
    }

    ApplicationContext app(context.folder, context.settings, context.prompter);
    app.FormCreate();

    ConsoleCheckWindow window;
    CheckRunPorts ports;
    ports.window = &window;
    app.checkRun().attach(ports);

    // Nobody is there to answer: the run is unattended.
    app.state().unattendedCheck = true;
    app.state().currentMailbox = mailbox.value_or(app.mailboxes().which());
    const CheckRun::Outcome outcome = app.checkRun().btListClick(CheckRun::MailboxChoice::KeepCurrent);
    if (outcome.result != CheckRun::Outcome::Result::Listed) {
        context.err << outcome.message << "\n";
        return kCliFailed;
    }

    const MessageListModel &list = app.list();
    for (int i = 0; i < list.count(); ++i) {
        const MessageRow &row = list.row(i);
        context.out << i << '\t' << row.mark << '\t' << row.size << '\t' << field(row.subject) << '\t'
                    << field(row.sender) << '\t' << field(row.realName) << '\t' << field(row.date) << "\n";
    }
    context.out << window.status() << "\n";
    return kCliOk;
}

const CliCommandRegistration registration(QStringLiteral("check"), QStringLiteral("check [--mailbox N]"), runCheck);

} // namespace

} // namespace tarnwell
