#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

namespace tarnwell {

class DataFolder;

// The known-spammer blacklist "known.lst": addresses and domains, one per line, held
// in ascending order without regard to case so that a lookup is a binary search.
class KnownList
{
public:
    enum class Kind { Email, Domain };
    struct Match
    {
        Kind kind;
        QByteArray entry; // the text that was found: the address or its domain
        QString kindText() const; // "E-mail" or "Domain"
    };

    // Loads "known.lst" from the data folder; false (and an empty list) when it is missing.
    bool LoadUpKnownList(const DataFolder &folder);
    void load(QByteArrayView fileBytes);

    // Sorted insertion; duplicates are kept.
    void add(const QByteArray &entry);
    void clear() { m_entries.clear(); }
    const QList<QByteArray> &entries() const { return m_entries; }
    qsizetype size() const { return m_entries.size(); }

    // Binary search in which each stored entry takes part with its first 80 characters;
    // the searched text is not shortened.
    bool findKnown(QByteArrayView text) const;

    // The whole address, then the text after its first at sign (at most 255 characters).
    std::optional<Match> isInKnownList(QByteArrayView address) const;

    // Replaces the list with the edited lines: a line equal (ignoring case) to the line
    // before it and a numeric address are left out. Writes "known.lst" only when it
    // exists; returns whether it was written.
    bool rebuild(const QList<QByteArray> &lines, const DataFolder &folder);
    void rebuild(const QList<QByteArray> &lines);

    // Holds an at sign, and before the first one only digits and underscores, or nothing.
    static bool isNumericAddress(QByteArrayView line);

    // The list's case-insensitive order.
    static int compare(QByteArrayView a, QByteArrayView b);

    QByteArray serialize() const; // CR LF lines, in sorted order

    static constexpr qsizetype kComparedLength = 80;
    static constexpr qsizetype kMaxDomain = 255;

private:
    void sort();

    QList<QByteArray> m_entries;
};

} // namespace tarnwell
