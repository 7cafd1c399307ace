// Lists a mailbox of many messages from the loopback dovecot into the real main
// window and prints how long it took, how much memory the rows cost and the longest
// time the event loop went unserved (the window's worst freeze).
//
//   tarnwell_bench_message_list [COUNT]      (default 100000; offscreen unless
//                                             QT_QPA_PLATFORM says otherwise)
#include "support/RecordingPrompter.h"
#include "support/pop3/DovecotServer.h"
#include "support/pop3/TestMessages.h"

#include "accounts/MailboxList.h"
#include "accounts/MailboxStore.h"
#include "app/ApplicationContext.h"
#include "app/widgets/DesktopSession.h"
#include "app/widgets/MessageListView.h"
#include "app/widgets/TfrmMain.h"
#include "platform/DataFolder.h"
#include "platform/SettingsStore.h"
#include "platform/pop3/Pop3Client.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>

using namespace tarnwell;

namespace {

// VmRSS or VmHWM of this process, in MiB.
double memoryMiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    // A /proc file has no size: read it whole rather than testing for its end.
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1;
}

// Ticks every 10 ms and keeps the longest gap between two ticks.
class StallMeter
{
public:
    // where() names what the program was doing, read when a gap ends.
    explicit StallMeter(std::function<QString()> where) : m_where(std::move(where))
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 gap = m_clock.restart();
            if (gap > m_longest) {
                m_longest = gap;
                m_longestAt = m_where();
            }
        });
    }
    const QString &longestAt() const { return m_longestAt; }
    void start()
    {
        m_longest = 0;
        m_clock.start();
        m_timer.start();
    }
    qint64 stop()
    {
        m_timer.stop();
        return qMax(m_longest, m_clock.elapsed());
    }

private:
    std::function<QString()> m_where;
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_longest = 0;
    QString m_longestAt;
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const int count = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    if (count <= 0) {
        std::fprintf(stderr, "usage: %s [COUNT]\n", argv[0]);
        return 2;
    }

    QElapsedTimer setup;
    setup.start();
    test::DovecotServer &server = test::DovecotServer::shared();
    if (!server.isRunning()) {
        std::fprintf(stderr, "dovecot did not start: %s\n", qPrintable(server.errorText()));
        return 1;
    }
    const test::Pop3Account account =
        server.addUser(QStringLiteral("bench"), QStringLiteral("pw"), test::testMessages(count));
    std::printf("mailbox of %d messages made in %.1f s\n", count, setup.elapsed() / 1000.0);

    QTemporaryDir home;
    const DataFolder folder = DataFolder::locate(home.path());
    folder.prepare();
    const auto settings = folder.openSettings();
    test::RecordingPrompter prompter;
    {
        MailboxStore mailboxes(*settings, prompter);
        MailboxList list;
        list.account(1).server = server.plainServer();
        list.account(1).mailbox = account.userName;
        list.account(1).password = account.password;
        mailboxes.saveServerSettings(list);
        mailboxes.markCurrentFormat();
    }

    DesktopSession session(folder, *settings, prompter, {.splash = false, .singleInstance = false});
    session.start();
    TfrmMain &window = session.mainWindow();
    StallMeter stalls([&window] { return window.statusPanel2()->text(); });

    const double rssBefore = memoryMiB("VmRSS:");
    for (const char *run : {"first (dovecot builds its index)", "second"}) {
        QElapsedTimer listing;
        stalls.start();
        listing.start();
        window.btListClick();
        const double seconds = listing.elapsed() / 1000.0;
        const qint64 longest = stalls.stop();
        const int rows = window.listView()->model()->rowCount();
        std::printf("%s listing: %d rows in %.2f s (%.0f rows/s), longest event-loop gap %lld ms (at \"%s\")\n",
                    run, rows, seconds, rows / seconds, static_cast<long long>(longest),
                    qPrintable(stalls.longestAt()));
        if (rows != count || !prompter.texts().isEmpty()) {
            std::fprintf(stderr, "listing failed: %s\n", qPrintable(prompter.texts().join(QLatin1Char('\n'))));
            return 1;
        }
    }
    {
        // The same listing by a client of its own, nothing shown: what the window adds.
        Pop3Client bare;
        bare.setServer(server.plainServer());
        bare.setUserName(account.userName);
        bare.setPassword(account.password);
        QElapsedTimer listing;
        listing.start();
        const bool listed = bare.ListHeaders();
        const double seconds = listing.elapsed() / 1000.0;
        std::printf("the client alone: %lld headers in %.2f s (%.0f headers/s)%s\n",
                    static_cast<long long>(bare.headers().size()), seconds, bare.headers().size() / seconds,
                    listed ? "" : " - failed");
    }
    std::printf("memory: %.1f MiB resident before the listings, %.1f MiB after, peak %.1f MiB\n", rssBefore,
                memoryMiB("VmRSS:"), memoryMiB("VmHWM:"));

    // Scrolling the full list: from the top to the bottom in 50 steps, each painted.
    QScrollBar *bar = window.listView()->verticalScrollBar();
    bar->setValue(0);
    qint64 slowestStep = 0;
    QElapsedTimer step;
    for (int i = 1; i <= 50; ++i) {
        step.start();
        bar->setValue(bar->maximum() * i / 50);
        window.listView()->viewport()->repaint();
        slowestStep = qMax(slowestStep, step.elapsed());
    }
    std::printf("scrolling: slowest of 50 painted steps %lld ms\n", static_cast<long long>(slowestStep));
    QElapsedTimer closing;
    closing.start();
    window.close();
    std::printf("closing the window: %lld ms\n", static_cast<long long>(closing.elapsed()));
    return 0;
}
