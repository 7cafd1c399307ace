#include "GridFile.h"

#include "DataFile.h"

#include <optional>

namespace tarnwell {

namespace {

constexpr char kCr = '\r';
constexpr char kLf = '\n';
constexpr char kTab = '\t';
constexpr char kLineBreakCode = '\b';

// A whole number of digits only (leading and trailing blanks allowed).
std::optional<int> number(QByteArrayView text)
{
    bool ok = false;
    const QByteArray trimmed = text.trimmed().toByteArray();
    if (trimmed.isEmpty() || !(trimmed.front() >= '0' && trimmed.front() <= '9'))
        return std::nullopt;
    const int value = trimmed.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// "a,b" followed by the rest (for cells: the text).
bool splitPair(QByteArrayView line, int &a, int &b, QByteArrayView *rest)
{
    const qsizetype first = line.indexOf(',');
    if (first < 0)
        return false;
    qsizetype second = rest ? line.indexOf(',', first + 1) : line.size();
    if (second < 0)
        return false;
    const auto x = number(line.first(first));
    const auto y = number(line.sliced(first + 1, second - first - 1));
    if (!x || !y)
        return false;
    a = *x;
    b = *y;
    if (rest)
        *rest = line.sliced(second + 1);
    return true;
}

QByteArray unescape(QByteArrayView text)
{
    QByteArray cell = text.toByteArray();
    if (cell.contains(kLineBreakCode)) {
        cell.replace(kTab, kCr);
        cell.replace(kLineBreakCode, kLf);
    }
    return cell;
}

QByteArray escape(const QByteArray &cell)
{
    // A bare LF would end the line as surely as a CR does, so it is escaped as well.
    if (!cell.contains(kCr) && !cell.contains(kLf))
        return cell;
    QByteArray text = cell;
    text.replace(kCr, kTab);
    text.replace(kLf, kLineBreakCode);
    return text;
}

template<typename Visit>
void forEachLine(QByteArrayView bytes, Visit visit)
{
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf(kLf, start);
        if (end < 0)
            end = bytes.size();
        QByteArrayView line = bytes.sliced(start, end - start);
        if (line.endsWith(kCr))
            line.chop(1);
        visit(line);
        start = end + 1;
    }
}

} // namespace

GridFile::Status GridFile::read(const QString &path, RuleTable &table)
{
    const DataFile::Read file = DataFile::read(path, DataFile::kMaxBytes);
    switch (file.status) {
    case DataFile::Status::Ok:
        return parse(file.bytes, table);
    case DataFile::Status::TooLarge:
        return Status::Corrupt;
    case DataFile::Status::Missing:
    case DataFile::Status::CannotOpen:
        break;
    }
    return Status::CannotOpen;
}

GridFile::Status GridFile::parse(QByteArrayView bytes, RuleTable &table)
{
    qsizetype firstEnd = bytes.indexOf(kLf);
    QByteArrayView firstLine = bytes.first(firstEnd < 0 ? bytes.size() : firstEnd);
    if (firstLine.endsWith(kCr))
        firstLine.chop(1);
    int columns = 0;
    int rows = 0;
    if (firstLine.isEmpty() || !splitPair(firstLine, columns, rows, nullptr) || columns <= 0 || rows <= 0
        || columns > kMaxColumns || rows > kMaxRows || qint64(columns) * rows > kMaxCells)
        return Status::Corrupt;

    RuleTable result(table.kind());
    result.resize(0, 0);
    result.resize(columns, rows);
    bool first = true;
    forEachLine(bytes, [&](QByteArrayView line) {
        if (first) {
            first = false;
            return;
        }
        int a = 0;
        int b = 0;
        if (line.startsWith("cw ")) {
            if (splitPair(line.sliced(3), a, b, nullptr))
                result.setColumnWidth(a, b);
            return;
        }
        QByteArrayView text;
        if (splitPair(line, a, b, &text))
            result.setCell(b, a, unescape(text));
    });
    table = std::move(result);
    return Status::Ok;
}

QByteArray GridFile::serialize(const RuleTable &table)
{
    QByteArray out;
    out += QByteArray::number(table.columnCount()) + ',' + QByteArray::number(table.rowCount()) + "\r\n";
    for (int column = 0; column < table.columnCount(); ++column)
        out += "cw " + QByteArray::number(column) + ',' + QByteArray::number(table.columnWidth(column)) + "\r\n";
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int column = 0; column < table.columnCount(); ++column) {
            const QByteArray &cell = table.cell(row, column);
            if (!cell.isEmpty())
                out += QByteArray::number(column) + ',' + QByteArray::number(row) + ',' + escape(cell) + "\r\n";
        }
    }
    return out;
}

bool GridFile::write(const QString &path, const RuleTable &table)
{
    return DataFile::writeAtomically(path, serialize(table));
}

QString GridFile::rejection(Status status, const QString &path)
{
    if (status == Status::CannotOpen)
        return QStringLiteral("Cannot open file ") + path;
    return QStringLiteral("File contains no data or corrupt file ") + path;
}

} // namespace tarnwell
