// tarnwell-cli headers [--mailbox N]: lists one mailbox through the POP3 client and
// prints what the message list would show of each waiting message, unjudged.
#include "CliCommand.h"
#include "CliField.h"

#include "accounts/MailboxList.h"
#include "accounts/MailboxStore.h"
#include "mail/headers/AddressSplit.h"
#include "mail/headers/HeaderField.h"
#include "mail/headers/MailDate.h"
#include "platform/DataFolder.h"
#include "platform/RegionalFormats.h"
#include "platform/pop3/Pop3Client.h"

namespace tarnwell {

namespace {

int runHeaders(CliContext &context, const QStringList &arguments)
{
    MailboxStore store(context.settings, context.prompter);
    MailboxList mailboxes;
    store.readServerSettings(mailboxes);
    int slot = MailboxList::isSlot(mailboxes.which()) ? mailboxes.which() : 1;
    if (arguments.size() == 2 && arguments.at(0) == QLatin1String("--mailbox")) {
        bool ok = false;
        slot = arguments.at(1).toInt(&ok);
        if (!ok || !MailboxList::isSlot(slot))
            return cliUsage(context, QStringLiteral("headers"));
    } else if (!arguments.isEmpty()) {
        return cliUsage(context, QStringLiteral("headers"));
    }

    Pop3Client client;
    // Nothing loaded (passwords of an older version were just erased) leaves the
    // client without settings; it then says which one is missing.
    if (const auto settings = store.GetRemotePOPSettings(slot)) {
        client.setServer(settings->server);
        client.setUserName(settings->userName);
        client.setPassword(settings->password);
    }
    client.setMessageDirectory(context.folder.path());
    if (!client.ListHeaders()) {
        context.err << client.lastFailure().text << "\n";
        return kCliFailed;
    }

    const RegionalFormats formats;
    const QList<HeaderEntry> &headers = client.headers();
    for (int i = 0; i < headers.size(); ++i) {
        const HeaderEntry &entry = headers.at(i);
        const MailAddress from = splitAddress(headerField(entry.lines, "From"));
        context.out << i << '\t' << entry.size << '\t' << cliField(headerField(entry.lines, "Subject")) << '\t'
                    << cliField(from.address) << '\t' << cliField(from.name) << '\t'
                    << cliField(dateColumn(headerField(entry.lines, "Date"), formats)) << "\n";
    }
    return kCliOk;
}

const CliCommandRegistration registration(QStringLiteral("headers"), QStringLiteral("headers [--mailbox N]"),
                                          runHeaders);

} // namespace

} // namespace tarnwell
