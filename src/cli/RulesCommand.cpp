// tarnwell-cli rules show TABLE | rules check
#include "CliCommand.h"

#include "classify/rules/KnownList.h"
#include "classify/rules/RuleTables.h"
#include "classify/rules/SpamOptionsFile.h"
#include "classify/rules/SpamSettingsFiles.h"

#include "platform/ByteText.h"
#include "platform/DataFolder.h"

#include <optional>

namespace tarnwell {

namespace {

struct TableName
{
    const char *name;
    RuleTableKind kind;
};

constexpr TableName kTables[] = {
    {"subject", RuleTableKind::Subject},
    {"header", RuleTableKind::Header},
    {"sender", RuleTableKind::Sender},
    {"except", RuleTableKind::WhiteList},
};

std::optional<RuleTableKind> tableNamed(const QString &name)
{
    for (const TableName &table : kTables) {
        if (name == QLatin1String(table.name))
            return table.kind;
    }
    return std::nullopt;
}

// One row per line: the characters that would break the line are written as escapes.
QString printable(const QByteArray &cell)
{
    QString text = displayText(cell);
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    text.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return text;
}

int showTable(CliContext &context, const RuleTable &table)
{
    for (int row = 1; row < table.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table.columnCount(); ++column)
            cells.append(printable(table.cell(row, column)));
        context.out << cells.join(QLatin1Char('\t')) << "\n";
    }
    return kCliOk;
}

int check(CliContext &context, const RuleTables &tables, const SpamOptions &options)
{
    for (const TableName &table : kTables)
        context.out << "Tables/" << table.name << "=" << tables.table(table.kind).ruleRowCount() << "\n";
    KnownList known;
    known.LoadUpKnownList(context.folder);
    context.out << "Tables/known=" << known.size() << "\n";
    for (const SpamOptionsFile::Entry &entry : SpamOptionsFile::entries(options, false))
        context.out << entry.section << "/" << entry.key << "=" << displayText(entry.value) << "\n";
    return kCliOk;
}

int runRules(CliContext &context, const QStringList &arguments)
{
    const bool show = arguments.size() == 2 && arguments.at(0) == QLatin1String("show");
    const bool checking = arguments.size() == 1 && arguments.at(0) == QLatin1String("check");
    const std::optional<RuleTableKind> kind = show ? tableNamed(arguments.at(1)) : std::nullopt;
    if (!checking && !kind)
        return cliUsage(context, QStringLiteral("rules"));

    RuleTables tables;
    SpamOptions options;
    if (!readSettings(tables, options, context.folder, context.prompter))
        return kCliFailed;
    return checking ? check(context, tables, options) : showTable(context, tables.table(*kind));
}

const CliCommandRegistration registration(QStringLiteral("rules"),
                                          QStringLiteral("rules show subject | header | sender | except\n"
                                                         "rules check"),
                                          runRules);

} // namespace

} // namespace tarnwell
