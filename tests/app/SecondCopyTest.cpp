#include "platform/SingleInstance.h"

#include "support/TempHome.h"

#include <QElapsedTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

namespace {

QProcess *startTarnwell(const QString &home, QObject *parent)
{
    auto *process = new QProcess(parent);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    process->setProcessEnvironment(env);
    process->start(QStringLiteral(TARNWELL_PATH), {"--home", home});
    return process;
}

// True once the running copy answers on its local socket.
bool waitForInstance(const QString &home, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        QLocalSocket probe;
        probe.connectToServer(tarnwell::SingleInstance::serverName(home));
        if (probe.waitForConnected(200))
            return true;
        QThread::msleep(100);
    }
    return false;
}

} // namespace

// Two real processes: the second tarnwell with the same home hands over to the
// first and ends; a copy with another home keeps running beside it.
TEST(SecondCopy, EndsAtOnceAndLeavesTheFirstRunning)
{
    tarnwell::test::TempHome home;
    tarnwell::test::TempHome otherHome;
    QObject owner;
    QProcess *first = startTarnwell(home.path(), &owner);
    ASSERT_TRUE(first->waitForStarted(10000));
    ASSERT_TRUE(waitForInstance(home.path(), 30000)) << first->readAllStandardError().toStdString();

    QProcess *second = startTarnwell(home.path(), &owner);
    ASSERT_TRUE(second->waitForFinished(30000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(first->state(), QProcess::Running);

    QProcess *elsewhere = startTarnwell(otherHome.path(), &owner);
    ASSERT_TRUE(elsewhere->waitForStarted(10000));
    EXPECT_TRUE(waitForInstance(otherHome.path(), 30000));
    EXPECT_EQ(elsewhere->state(), QProcess::Running);

    for (QProcess *p : {first, elsewhere}) {
        p->kill();
        p->waitForFinished(10000);
    }
}
