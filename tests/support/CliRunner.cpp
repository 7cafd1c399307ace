#include "CliRunner.h"

#include <QProcess>

namespace tarnwell::test {

QString cliPath()
{
    return QStringLiteral(TARNWELL_CLI_PATH);
}

CliResult runCli(const QString &home, const QStringList &arguments, const QByteArray &input, int timeoutMs)
{
    QProcess process;
    process.start(cliPath(), QStringList{QStringLiteral("--home"), home} + arguments);
    CliResult result;
    if (!process.waitForStarted(timeoutMs))
        return result;
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

} // namespace tarnwell::test
