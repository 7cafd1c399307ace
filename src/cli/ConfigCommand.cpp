// tarnwell-cli config get NAME | config set NAME VALUE
#include "CliCommand.h"

#include "platform/SettingsStore.h"

namespace tarnwell {

namespace {

int runConfig(CliContext &context, const QStringList &arguments)
{
    if (arguments.size() == 2 && arguments.at(0) == QLatin1String("get")) {
        const auto [section, name] = SettingsStore::splitPath(arguments.at(1));
        const auto stored = context.settings.value(section, name);
        if (!stored)
            return kCliFailed;
        context.out << *stored << "\n";
        return kCliOk;
    }
    if (arguments.size() == 3 && arguments.at(0) == QLatin1String("set")) {
        const auto [section, name] = SettingsStore::splitPath(arguments.at(1));
        if (name.isEmpty())
            return cliUsage(context, QStringLiteral("config"));
        context.settings.setText(section, name, arguments.at(2));
        if (!context.settings.sync()) {
            context.err << "Cannot write the settings store " << context.settings.location() << "\n";
            return kCliFailed;
        }
        return kCliOk;
    }
    return cliUsage(context, QStringLiteral("config"));
}

const CliCommandRegistration registration(QStringLiteral("config"),
                                          QStringLiteral("config get Section/Value | Value\n"
                                                         "config set Section/Value | Value  TEXT"),
                                          runConfig);

} // namespace

} // namespace tarnwell
