// tarnwell-cli explain [--mailbox N] INDEX: lists the mailbox and judges it as the
// check does, then prints why message INDEX (counted from 0) is marked or not, line
// by line as the explanation viewer shows it. The rule files are left as they were.
#include "CliCheckSession.h"
#include "CliCommand.h"

#include "classify/pipeline/ExplainMessage.h"
#include "platform/ByteText.h"

namespace tarnwell {

namespace {

int runExplain(CliContext &context, const QStringList &arguments)
{
    QStringList rest = arguments;
    std::optional<int> mailbox;
    if (!CliCheckSession::takeMailboxOption(rest, mailbox) || rest.size() != 1)
        return cliUsage(context, QStringLiteral("explain"));
    bool ok = false;
    const int index = rest.at(0).toInt(&ok);
    if (!ok || index < 0)
        return cliUsage(context, QStringLiteral("explain"));

    CliCheckSession session(context);
    const CheckRun::Outcome outcome = session.check(mailbox, CliCheckSession::RuleFiles::Keep);
    if (outcome.result != CheckRun::Outcome::Result::Listed) {
        context.err << outcome.message << "\n";
        return kCliFailed;
    }

    const int count = session.app().list().count();
    if (index >= count) {
        context.err << "There is no message " << index << ": the mailbox holds " << count << " message(s), from 0.\n";
        return kCliFailed;
    }
    for (const QByteArray &line : explainMessage(session.classifier(), index))
        context.out << displayText(line) << "\n";
    return kCliOk;
}

const CliCommandRegistration registration(QStringLiteral("explain"), QStringLiteral("explain [--mailbox N] INDEX"),
                                          runExplain);

} // namespace

} // namespace tarnwell
