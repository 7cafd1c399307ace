#include "Pop3Listing.h"

#include <QSet>

namespace tarnwell::Pop3Listing {

namespace {

// "n rest" with n the expected message number; returns the rest's first word.
std::optional<QByteArray> numbered(const QByteArray &line, int expected)
{
    const QList<QByteArray> words = line.simplified().split(' ');
    if (words.size() < 2)
        return std::nullopt;
    bool ok = false;
    const int number = words.at(0).toInt(&ok);
    if (!ok || number != expected)
        return std::nullopt;
    return words.at(1);
}

bool isUniqueId(const QByteArray &id)
{
    if (id.isEmpty() || id.size() > 70)
        return false;
    for (const char c : id) {
        if (uchar(c) < 0x21 || uchar(c) > 0x7e)
            return false;
    }
    return true;
}

} // namespace

std::optional<int> messageCount(const QByteArray &statStatus)
{
    const QList<QByteArray> words = statStatus.simplified().split(' ');
    if (words.size() < 2 || words.at(0) != "+OK")
        return std::nullopt;
    bool ok = false;
    const int count = words.at(1).toInt(&ok);
    if (!ok || count < 0)
        return std::nullopt;
    return count;
}

std::optional<QList<qint64>> sizes(const QList<QByteArray> &lines, int count)
{
    if (lines.size() != count)
        return std::nullopt;
    QList<qint64> result;
    result.reserve(count);
    for (int i = 0; i < count; ++i) {
        const auto word = numbered(lines.at(i), i + 1);
        if (!word)
            return std::nullopt;
        bool ok = false;
        const qint64 size = word->toLongLong(&ok);
        if (!ok || size < 0)
            return std::nullopt;
        result.append(size);
    }
    return result;
}

std::optional<QList<QByteArray>> uniqueIds(const QList<QByteArray> &lines, int count)
{
    if (lines.size() != count)
        return std::nullopt;
    QList<QByteArray> result;
    result.reserve(count);
    QSet<QByteArray> seen;
    for (int i = 0; i < count; ++i) {
        const auto id = numbered(lines.at(i), i + 1);
        if (!id || !isUniqueId(*id) || seen.contains(*id))
            return std::nullopt;
        seen.insert(*id);
        result.append(*id);
    }
    return result;
}

QList<QByteArray> headerLines(const QList<QByteArray> &topLines)
{
    QList<QByteArray> header;
    for (const QByteArray &line : topLines) {
        if (line.isEmpty())
            break;
        header.append(line);
    }
    header.append(QByteArray());
    return header;
}

} // namespace tarnwell::Pop3Listing
