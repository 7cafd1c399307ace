#include "CliCommand.h"
#include "StreamPrompter.h"

#include "platform/DataFolder.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>

#include <cstdio>

using namespace tarnwell;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments();
    const QString home = DataFolder::takeHomeOption(arguments);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const DataFolder folder = DataFolder::locate(home);
    if (!folder.prepare()) {
        err << "Cannot create the data folder " << folder.path() << "\n";
        return kCliFailed;
    }
    auto settings = folder.openSettings();
    StreamPrompter prompter(err);
    CliContext context{folder, *settings, prompter, out, err};

    if (arguments.size() < 2)
        return cliUsage(context);
    const QString name = arguments.at(1);
    for (const CliCommand &command : cliCommands()) {
        if (command.name == name) {
            const int code = command.handler(context, arguments.mid(2));
            out.flush();
            err.flush();
            settings->sync();
            return code;
        }
    }
    err << "unknown command: " << name << "\n";
    return cliUsage(context);
}
