#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <memory>

namespace tarnwell {

class DataFolder;
class SettingsStore;
class UserPrompter;

// What every tarnwell-cli command is handed.
struct CliContext
{
    const DataFolder &folder;
    SettingsStore &settings;
    UserPrompter &prompter; // messages go to standard error; questions answer No
    QTextStream &out;
    QTextStream &err;
};

// Exit codes shared by the commands.
enum CliExit { kCliOk = 0, kCliFailed = 1, kCliUsage = 2 };

using CliHandler = std::function<int(CliContext &, const QStringList &arguments)>;

// Each command file registers itself with one static CliCommandRegistration, so a new
// command is one new file in src/cli/.
struct CliCommandRegistration
{
    CliCommandRegistration(const QString &name, const QString &usage, CliHandler handler);
};

struct CliCommand
{
    QString name;
    QString usage; // the lines shown in the usage text, without "tarnwell-cli [--home DIR] "
    CliHandler handler;
};

const QList<CliCommand> &cliCommands();

// Prints the usage of every command (or of one) to err and returns kCliUsage.
int cliUsage(CliContext &context, const QString &command = {});

} // namespace tarnwell
