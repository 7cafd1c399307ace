#include "CliCommand.h"

#include <algorithm>

namespace tarnwell {

namespace {
QList<CliCommand> &registry()
{
    static QList<CliCommand> commands;
    return commands;
}
} // namespace

CliCommandRegistration::CliCommandRegistration(const QString &name, const QString &usage, CliHandler handler)
{
    auto &commands = registry();
    commands.append({name, usage, std::move(handler)});
    std::sort(commands.begin(), commands.end(),
              [](const CliCommand &a, const CliCommand &b) { return a.name < b.name; });
}

const QList<CliCommand> &cliCommands()
{
    return registry();
}

int cliUsage(CliContext &context, const QString &command)
{
    context.err << "usage:\n";
    for (const CliCommand &c : cliCommands()) {
        if (!command.isEmpty() && c.name != command)
            continue;
        for (const QString &line : c.usage.split(QLatin1Char('\n')))
            context.err << "  tarnwell-cli [--home DIR] " << line << "\n";
    }
    context.err.flush();
    return kCliUsage;
}

} // namespace tarnwell
