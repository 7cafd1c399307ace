#include "KnownList.h"

#include "DataFile.h"

#include "platform/DataFolder.h"

#include <QFile>

#include <algorithm>

namespace tarnwell {

namespace {

const QString kFileName = QStringLiteral("known.lst");

bool lessThan(const QByteArray &a, const QByteArray &b)
{
    return KnownList::compare(a, b) < 0;
}

} // namespace

QString KnownList::Match::kindText() const
{
    return kind == Kind::Email ? QStringLiteral("E-mail") : QStringLiteral("Domain");
}

int KnownList::compare(QByteArrayView a, QByteArrayView b)
{
    return a.compare(b, Qt::CaseInsensitive);
}

bool KnownList::LoadUpKnownList(const DataFolder &folder)
{
    m_entries.clear();
    const DataFile::Read file = DataFile::read(folder.file(kFileName), DataFile::kMaxBytes);
    if (file.status != DataFile::Status::Ok)
        return false;
    load(file.bytes);
    return true;
}

void KnownList::load(QByteArrayView fileBytes)
{
    m_entries.clear();
    qsizetype start = 0;
    while (start < fileBytes.size()) {
        qsizetype end = fileBytes.indexOf('\n', start);
        if (end < 0)
            end = fileBytes.size();
        QByteArrayView line = fileBytes.sliced(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        // An empty entry would match every message without a sender.
        if (!line.isEmpty())
            m_entries.append(line.toByteArray());
        start = end + 1;
    }
    sort();
}

void KnownList::sort()
{
    std::stable_sort(m_entries.begin(), m_entries.end(), lessThan);
}

void KnownList::add(const QByteArray &entry)
{
    m_entries.insert(std::upper_bound(m_entries.begin(), m_entries.end(), entry, lessThan), entry);
}

bool KnownList::findKnown(QByteArrayView text) const
{
    // Cutting sorted entries keeps them sorted, so the search stays a binary search.
    const auto cut = [](const QByteArray &entry) { return QByteArrayView(entry).first(std::min(entry.size(), kComparedLength)); };
    const auto it = std::lower_bound(m_entries.begin(), m_entries.end(), text,
                                     [&](const QByteArray &entry, QByteArrayView key) { return compare(cut(entry), key) < 0; });
    return it != m_entries.end() && compare(cut(*it), text) == 0;
}

std::optional<KnownList::Match> KnownList::isInKnownList(QByteArrayView address) const
{
    if (findKnown(address))
        return Match{Kind::Email, address.toByteArray()};
    const qsizetype at = address.indexOf('@');
    if (at < 0)
        return std::nullopt;
    const QByteArrayView domain = address.sliced(at + 1);
    const QByteArrayView cut = domain.first(std::min(domain.size(), kMaxDomain));
    if (findKnown(cut))
        return Match{Kind::Domain, cut.toByteArray()};
    return std::nullopt;
}

bool KnownList::isNumericAddress(QByteArrayView line)
{
    const qsizetype at = line.indexOf('@');
    if (at < 0)
        return false;
    const QByteArrayView local = line.first(at);
    return std::all_of(local.begin(), local.end(), [](char c) { return (c >= '0' && c <= '9') || c == '_'; });
}

void KnownList::rebuild(const QList<QByteArray> &lines)
{
    m_entries.clear();
    QByteArray previous;
    for (const QByteArray &line : lines) {
        if (!line.isEmpty() && compare(line, previous) != 0 && !isNumericAddress(line))
            m_entries.append(line);
        previous = line;
    }
    sort();
}

bool KnownList::rebuild(const QList<QByteArray> &lines, const DataFolder &folder)
{
    rebuild(lines);
    const QString path = folder.file(kFileName);
    if (!QFile::exists(path))
        return false;
    return DataFile::writeAtomically(path, serialize());
}

QByteArray KnownList::serialize() const
{
    QByteArray out;
    for (const QByteArray &entry : m_entries)
        out += entry + "\r\n";
    return out;
}

} // namespace tarnwell
