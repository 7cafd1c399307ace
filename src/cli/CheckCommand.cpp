// tarnwell-cli check [--mailbox N]: the check run of the Check e-mail button,
// without a window: one line per listed message, then the totals.
#include "CliCheckSession.h"
#include "CliField.h"

namespace tarnwell {

namespace {

int runCheck(CliContext &context, const QStringList &arguments)
{
    QStringList rest = arguments;
    std::optional<int> mailbox;
    if (!CliCheckSession::takeMailboxOption(rest, mailbox) || !rest.isEmpty())
        return cliUsage(context, QStringLiteral("check"));

    // Like the window, the check saves the rule tables with their new hit counts.
    CliCheckSession session(context);
    const CheckRun::Outcome outcome = session.check(mailbox, CliCheckSession::RuleFiles::Save);
    if (outcome.result != CheckRun::Outcome::Result::Listed) {
        context.err << outcome.message << "\n";
        return kCliFailed;
    }

    const MessageListModel &list = session.app().list();
    for (int i = 0; i < list.count(); ++i) {
        const MessageRow &row = list.row(i);
        context.out << i << '\t' << row.mark << '\t' << row.size << '\t' << cliField(row.subject) << '\t'
                    << cliField(row.sender) << '\t' << cliField(row.realName) << '\t' << cliField(row.date) << "\n";
    }
    context.out << session.status() << "\n";
    return kCliOk;
}

const CliCommandRegistration registration(QStringLiteral("check"), QStringLiteral("check [--mailbox N]"), runCheck);

} // namespace

} // namespace tarnwell
