// How fast the POP3 client lists a mailbox: 1,000 and 10,000 messages with a
// header of about 2 KB each, from the loopback test dovecot, directly and through a
// relay that adds about 20 ms of round trip. Beside it, Python's standard poplib
// does what a script would (STAT, then LIST n and TOP n 1 for every message).
// Prints messages per second for both and the ratio.

#include "DelayProxy.h"

#include "platform/pop3/Pop3Client.h"
#include "support/pop3/DovecotServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QThread>

#include <cstdio>
#include <optional>

using tarnwell::Pop3Client;
using tarnwell::test::DovecotServer;
using tarnwell::test::Pop3Account;

namespace {

constexpr int kOneWayDelayMs = 10;
// poplib needs two round trips per message; beyond this many it is timed on this
// many messages and its rate carried over.
constexpr int kPoplibDelayedMessages = 500;

QByteArray benchMessage(int n)
{
    const QByteArray number = QByteArray::number(n);
    QByteArray header = "Return-Path: <bulk" + number + "@sender.example.net>\n";
    for (int hop = 0; hop < 6; ++hop) {
        header += "Received: from relay" + QByteArray::number(hop) + ".example.net (relay" + QByteArray::number(hop)
                  + ".example.net [192.0.2." + QByteArray::number(hop + 10) + "])\n\tby mx.example.org (Postfix) with ESMTPS id 4T"
                  + number + "X" + QByteArray::number(hop) + "\n\tfor <alice@example.org>; Tue, 5 Mar 2024 14:03:0"
                  + QByteArray::number(hop) + " +0100 (CET)\n";
    }
    header += "DKIM-Signature: v=1; a=rsa-sha256; c=relaxed/relaxed; d=sender.example.net; s=mail;\n"
              "\th=from:to:subject:date:message-id; bh=" + QByteArray(44, 'b') + ";\n"
              "\tb=" + QByteArray(64, 's') + "\n\t " + QByteArray(64, 's') + "\n\t " + QByteArray(64, 's') + "\n\t "
              + QByteArray(64, 's') + "\n";
    header += "From: \"Bulk Sender " + number + "\" <bulk" + number + "@sender.example.net>\n"
              "To: alice@example.org\n"
              "Subject: =?utf-8?Q?Offer_number_" + number + "_just_for_you?=\n"
              "Date: Tue, 5 Mar 2024 14:03:09 +0100\n"
              "Message-ID: <" + number + ".bench@sender.example.net>\n"
              "MIME-Version: 1.0\n"
              "Content-Type: text/plain; charset=utf-8\n"
              "Content-Transfer-Encoding: 8bit\n"
              "X-Mailer: Bench Mailer 1.0\n";
    while (header.size() < 2000)
        header += "X-Padding: " + QByteArray(60, 'p') + "\n";
    return header + "\nHello,\nthis is the body of message " + number + ".\n";
}

Pop3Account makeUser(DovecotServer &dovecot, int count)
{
    QList<QByteArray> messages;
    messages.reserve(count);
    for (int n = 1; n <= count; ++n)
        messages.append(benchMessage(n));
    return dovecot.addUser(QStringLiteral("bench%1").arg(count), QStringLiteral("benchpass"), messages);
}

// Seconds for one ListHeaders, or nothing when it failed.
std::optional<double> timeClient(const QString &server, const Pop3Account &account, int expected)
{
    Pop3Client client;
    client.setServer(server);
    client.setUserName(account.userName);
    client.setPassword(account.password);
    QElapsedTimer clock;
    clock.start();
    const bool ok = client.ListHeaders();
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    if (!ok || client.headers().size() != expected) {
        std::fprintf(stderr, "listing failed: %s\n", qPrintable(client.lastFailure().text));
        return std::nullopt;
    }
    return seconds;
}

const char *kPoplibScript = R"(
import poplib, sys, time
host, port, user, password, limit = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4], int(sys.argv[5])
start = time.perf_counter()
box = poplib.POP3(host, port)
box.user(user)
box.pass_(password)
count = min(box.stat()[0], limit)
for n in range(1, count + 1):
    box.list(n)
    box.top(n, 1)
box.quit()
print(count, time.perf_counter() - start)
)";

// Seconds poplib took for `limit` messages, measured inside Python so that its
// start-up does not count. The event loop keeps turning meanwhile (for the relay).
std::optional<double> timePoplib(quint16 port, const Pop3Account &account, int limit)
{
    QProcess python;
    QEventLoop loop;
    QObject::connect(&python, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&python, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    python.start(QStringLiteral("python3"), {QStringLiteral("-c"), QString::fromLatin1(kPoplibScript),
                                             QStringLiteral("127.0.0.1"), QString::number(port), account.userName,
                                             account.password, QString::number(limit)});
    loop.exec();
    const QList<QByteArray> words = python.readAllStandardOutput().trimmed().split(' ');
    if (python.exitCode() != 0 || words.size() != 2 || words.at(0).toInt() != limit) {
        std::fprintf(stderr, "poplib failed: %s\n", python.readAllStandardError().constData());
        return std::nullopt;
    }
    return words.at(1).toDouble();
}

void report(const char *setting, int count, std::optional<double> ours, std::optional<double> poplib, int poplibCount)
{
    const auto rate = [](int n, std::optional<double> s) { return s && *s > 0 ? n / *s : 0.0; };
    const double oursRate = rate(count, ours);
    const double poplibRate = rate(poplibCount, poplib);
    std::printf("%-14s %6d msgs | tarnwell %8.2f s %9.0f msg/s | poplib %8.2f s %9.0f msg/s%s | ratio %6.1fx\n",
                setting, count, ours.value_or(0), oursRate, poplib ? count / poplibRate : 0.0, poplibRate,
                poplibCount == count ? "" : " (extrapolated)", poplibRate > 0 ? oursRate / poplibRate : 0.0);
    if (poplibCount != count)
        std::printf("%-14s               poplib timed on its first %d messages, its rate carried over to %d\n", "",
                    poplibCount, count);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    DovecotServer dovecot;
    if (!dovecot.start()) {
        std::fprintf(stderr, "%s\n", qPrintable(dovecot.errorText()));
        return 1;
    }
    // Plain text for both clients: the figures compare the protocol, not TLS.
    const QString direct = QStringLiteral("pop3://127.0.0.1:%1").arg(dovecot.plainPort());

    QThread relayThread;
    auto *relay = new DelayProxy(dovecot.plainPort(), kOneWayDelayMs);
    relay->moveToThread(&relayThread);
    relayThread.start();
    quint16 relayPort = 0;
    QMetaObject::invokeMethod(relay, "listen", Qt::BlockingQueuedConnection, Q_RETURN_ARG(quint16, relayPort));
    const QString delayed = QStringLiteral("pop3://127.0.0.1:%1").arg(relayPort);

    std::printf("POP3 listing, headers of about 2 KB, loopback dovecot; delayed = %d ms added round trip\n",
                2 * kOneWayDelayMs);
    int status = 0;
    for (const int count : {1000, 10000}) {
        const Pop3Account account = makeUser(dovecot, count);
        // dovecot indexes a new maildir on first access; that is not what is measured.
        if (!timeClient(direct, account, count)) {
            status = 1;
            continue;
        }
        report("direct", count, timeClient(direct, account, count), timePoplib(dovecot.plainPort(), account, count),
               count);
        const int poplibCount = qMin(count, count > 1000 ? kPoplibDelayedMessages : count);
        report("delayed 20 ms", count, timeClient(delayed, account, count), timePoplib(relayPort, account, poplibCount),
               poplibCount);
    }

    QMetaObject::invokeMethod(relay, [relay] { delete relay; }, Qt::BlockingQueuedConnection);
    relayThread.quit();
    relayThread.wait();
    return status;
}
