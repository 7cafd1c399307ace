#pragma once

#include "RuleTable.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace tarnwell {

// The grid file layout of the rule tables, CR LF lines:
//   "cols,rows"                  row 0 counted
//   "cw col,width"               one per column
//   "col,row,text"               one per non-empty cell, row by row; text runs to the
//                                end of the line and may hold commas
// A cell with a line break has CR written as TAB and LF as code 8; on reading, a
// cell holding code 8 gets TAB back as CR and code 8 as LF.
class GridFile
{
public:
    enum class Status { Ok, CannotOpen, Corrupt };

    // Replaces the table's shape, widths and cells (images cleared) with the file's.
    // On anything but Ok the table is left as it was.
    static Status read(const QString &path, RuleTable &table);
    static Status parse(QByteArrayView bytes, RuleTable &table);

    static QByteArray serialize(const RuleTable &table);
    // Atomic; false (and the old file untouched) when it could not be written.
    static bool write(const QString &path, const RuleTable &table);

    // "File contains no data or corrupt file " / "Cannot open file " and the path.
    static QString rejection(Status status, const QString &path);

    // Limits that keep a hostile counts line from asking for gigabytes.
    static constexpr int kMaxColumns = 64;
    static constexpr int kMaxRows = 100000;
    static constexpr qint64 kMaxCells = 1 << 20;
};

} // namespace tarnwell
