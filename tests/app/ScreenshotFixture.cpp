// A loopback dovecot with a handful of ordinary-looking messages, and a Tarnwell home
// whose mailbox 1 points at it: what scripts/screenshot-main-window.sh photographs.
//
//   tarnwell_screenshot_fixture HOME
// prints "CA <file>" (the certificate the program must trust) and "ready", then
// serves until its standard input closes.
#include "support/RecordingPrompter.h"
#include "support/pop3/DovecotServer.h"

#include "accounts/MailboxList.h"
#include "accounts/MailboxStore.h"
#include "platform/DataFolder.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

using namespace tarnwell;

namespace {

struct Sample
{
    const char *from;
    const char *subject;
    const char *date;
    int bodyLines;
};

const Sample kSamples[] = {
    {"Anna Berg <anna.berg@example.org>", "Minutes of Tuesday's meeting", "Mon, 4 Mar 2024 09:12:44 +0100", 40},
    {"\"Spring Deals\" <news@shop.example.com>", "Spring sale - 40% off everything", "Mon, 4 Mar 2024 11:30:02 +0000",
     200},
    {"David Okafor <d.okafor@example.net>", "Re: Holiday photos", "Mon, 4 Mar 2024 18:05:19 +0100", 900},
    {"billing@bank.example", "Your March statement is ready", "Tue, 5 Mar 2024 06:00:00 +0000", 25},
    {"\"Prize Department\" <winner@lottery.example>", "YOU HAVE WON!!! Claim your prize now",
     "Tue, 5 Mar 2024 03:14:15 -0500", 60},
    {"Mum <mum@example.com>", "Sunday lunch?", "Tue, 5 Mar 2024 12:41:37 +0000", 8},
    {"ci@build.example.dev (Build server)", "Nightly build #1423 passed", "Tue, 5 Mar 2024 14:03:09 +0100", 120},
    {"offers@cheap-meds.example", "Cheap pills, no prescription needed", "Tue, 5 Mar 2024 15:22:58 +0800", 45},
};

QByteArray message(const Sample &s)
{
    QByteArray m = QByteArrayLiteral("From: ") + s.from + "\r\nTo: jo@example.org\r\nSubject: " + s.subject
                   + "\r\nDate: " + s.date + "\r\nMessage-ID: <" + QByteArray::number(qHash(QByteArray(s.subject)))
                   + "@example.org>\r\n\r\n";
    for (int i = 0; i < s.bodyLines; ++i)
        m += "A line of the message body, long enough to give it some weight.\r\n";
    return m;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s HOME\n", argv[0]);
        return 2;
    }

    test::DovecotServer &server = test::DovecotServer::shared();
    if (!server.isRunning()) {
        std::fprintf(stderr, "dovecot did not start: %s\n", qPrintable(server.errorText()));
        return 1;
    }
    QList<QByteArray> messages;
    for (const Sample &s : kSamples)
        messages.append(message(s));
    const test::Pop3Account account = server.addUser(QStringLiteral("jo"), QStringLiteral("demo-pw"), messages);

    const DataFolder folder = DataFolder::locate(QString::fromLocal8Bit(argv[1]));
    if (!folder.prepare()) {
        std::fprintf(stderr, "cannot make %s\n", argv[1]);
        return 1;
    }
    {
        const auto settings = folder.openSettings();
        test::RecordingPrompter prompter;
        MailboxStore store(*settings, prompter);
        MailboxList list;
        list.account(1).server = server.plainServer();
        list.account(1).mailbox = account.userName;
        list.account(1).password = account.password;
        store.saveServerSettings(list);
        store.markCurrentFormat();
    }

    std::printf("CA %s\nready\n", qPrintable(server.caFile()));
    std::fflush(stdout);

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&input] {
        char buffer[256];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0) {
            input.setEnabled(false);
            QCoreApplication::quit();
        }
    });
    return app.exec();
}
