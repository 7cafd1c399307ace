// tarnwell-cli mailbox list | mailbox set N --server S --user U [--check 1|0]
#include "CliCommand.h"

#include "accounts/MailboxList.h"
#include "accounts/MailboxStore.h"

#include <QFile>

#include <cstdio>

namespace tarnwell {

namespace {

int listMailboxes(CliContext &context, const MailboxList &list)
{
    for (int slot = 1; slot <= MailboxList::kSlots; ++slot) {
        const MailboxAccount &a = list.account(slot);
        context.out << slot << '\t' << (a.check ? "1" : "0") << '\t' << a.server << '\t' << a.mailbox << '\t'
                    << (a.password.isEmpty() ? "no" : "yes") << "\n";
    }
    return kCliOk;
}

// The password comes from the first line of standard input, never from the
// command line, where other users could read it.
QString readPasswordLine()
{
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return {};
    QByteArray line = in.readLine();
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return QString::fromUtf8(line);
}

int setMailbox(CliContext &context, MailboxList &list, MailboxStore &store, const QStringList &arguments)
{
    bool ok = false;
    const int slot = arguments.value(0).toInt(&ok);
    if (!ok || !MailboxList::isSlot(slot))
        return cliUsage(context, QStringLiteral("mailbox"));

    std::optional<QString> server, user;
    std::optional<bool> check;
    for (qsizetype i = 1; i < arguments.size(); i += 2) {
        if (i + 1 >= arguments.size())
            return cliUsage(context, QStringLiteral("mailbox"));
        const QString &option = arguments.at(i);
        const QString &value = arguments.at(i + 1);
        if (option == QLatin1String("--server"))
            server = value;
        else if (option == QLatin1String("--user"))
            user = value;
        else if (option == QLatin1String("--check") && (value == QLatin1String("1") || value == QLatin1String("0")))
            check = value == QLatin1String("1");
        else
            return cliUsage(context, QStringLiteral("mailbox"));
    }
    if (!server || !user)
        return cliUsage(context, QStringLiteral("mailbox"));

    MailboxAccount &a = list.account(slot);
    a.server = *server;
    a.mailbox = *user;
    if (check)
        a.check = *check;
    a.password = readPasswordLine();
    // The stored preferred slot stays as it is.
    list.selectSlot(list.which());
    if (!MailboxList::isSlot(list.which()))
        list.selectSlot(0);

    store.markCurrentFormat();
    return store.saveServerSettings(list) ? kCliFailed : kCliOk;
}

int runMailbox(CliContext &context, const QStringList &arguments)
{
    MailboxList list;
    MailboxStore store(context.settings, context.prompter);
    store.readServerSettings(list);
    if (arguments.value(0) == QLatin1String("list") && arguments.size() == 1)
        return listMailboxes(context, list);
    if (arguments.value(0) == QLatin1String("set"))
        return setMailbox(context, list, store, arguments.mid(1));
    return cliUsage(context, QStringLiteral("mailbox"));
}

const CliCommandRegistration registration(
    QStringLiteral("mailbox"),
    QStringLiteral("mailbox list\n"
                   "mailbox set N --server S --user U [--check 1|0]   (password: first line of standard input)"),
    runMailbox);

} // namespace

} // namespace tarnwell
