#include "SpamSettingsFiles.h"

#include "GridFile.h"
#include "RuleColumns.h"
#include "RuleTableEdits.h"
#include "SpamOptionsFile.h"

#include "platform/DataFolder.h"
#include "platform/UserPrompter.h"

#include <QFile>

namespace tarnwell {

namespace {

// The white list's image columns 5 and 6 came later than its five text columns.
void widenWhiteList(RuleTable &table)
{
    constexpr int columns = 7;
    if (table.columnCount() > columns)
        table.removeColumnsFrom(columns);
    if (table.columnCount() < WhiteListColumn::Image) // fewer than the five text columns
        table.insertColumns(table.columnCount(), WhiteListColumn::Image - table.columnCount());
    if (table.columnCount() == WhiteListColumn::Image)
        table.insertColumns(WhiteListColumn::Image, 2);
    else if (table.columnCount() == WhiteListColumn::ImageNumber)
        table.insertColumns(WhiteListColumn::ImageNumber, 1);
}

} // namespace

QString spamOptionsFileName()
{
    return QStringLiteral("tarnwell.ini");
}

void normalizeLoadedTable(RuleTable &table)
{
    const int columns = gridColumnCount(table.kind());
    if (table.kind() == RuleTableKind::WhiteList) {
        widenWhiteList(table);
    } else if (table.columnCount() > columns) {
        table.removeColumnsFrom(columns);
    } else if (table.columnCount() < columns) {
        // Too few columns would make the editor's writes to the missing ones vanish.
        table.insertColumns(table.columnCount(), columns - table.columnCount());
    }
    if (table.rowCount() < 2)
        table.resize(table.columnCount(), 2);
    for (int row = 1; row < table.rowCount(); ++row)
        refreshImage(table, row);
}

bool readSettings(RuleTables &tables, SpamOptions &options, const DataFolder &folder, UserPrompter &prompter)
{
    for (RuleTableKind kind : RuleTables::kinds) {
        RuleTable &table = tables.table(kind);
        const QString path = folder.file(ruleFileName(kind));
        if (!QFile::exists(path)) {
            table.clear();
            continue;
        }
        const GridFile::Status status = GridFile::read(path, table);
        if (status != GridFile::Status::Ok) {
            prompter.error(GridFile::rejection(status, path));
            return false;
        }
        normalizeLoadedTable(table);
    }
    options = SpamOptionsFile::read(folder.file(spamOptionsFileName()));
    return true;
}

bool Savesettings(const RuleTables &tables, const SpamOptions &options, const DataFolder &folder)
{
    bool allWritten = true;
    for (RuleTableKind kind : RuleTables::kinds)
        allWritten &= GridFile::write(folder.file(ruleFileName(kind)), tables.table(kind));
    allWritten &= SpamOptionsFile::write(folder.file(spamOptionsFileName()), options);
    return allWritten;
}

} // namespace tarnwell
