#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tarnwell::test {

// Runs the built tarnwell-cli with --home and the given arguments, feeding input to
// its standard input, and collects what it printed. A suite that uses it adds
// add_dependencies(<suite> tarnwell-cli) to its CMakeLists.txt.
struct CliResult
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

CliResult runCli(const QString &home, const QStringList &arguments, const QByteArray &input = {},
                 int timeoutMs = 60000);

// Path of the built tarnwell-cli.
QString cliPath();

} // namespace tarnwell::test
