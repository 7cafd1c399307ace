#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace tarnwell {

// Whole-file reads and writes of the rule files, tarnwell.ini and known.lst.
class DataFile
{
public:
    enum class Status { Ok, Missing, CannotOpen, TooLarge };
    struct Read
    {
        Status status = Status::Missing;
        QByteArray bytes;
    };

    // Reads at most maxBytes; a longer file is TooLarge and gives no bytes.
    static Read read(const QString &path, qint64 maxBytes);

    // Writes a temporary file beside path and renames it over path only when every
    // byte is on disk, so a crash or a full disk mid-way leaves the old file whole.
    // False when anything failed; the old file is then untouched.
    static bool writeAtomically(const QString &path, QByteArrayView bytes);

    // Data files are a few megabytes at most; anything beyond this is not ours.
    static constexpr qint64 kMaxBytes = 64 * 1024 * 1024;
};

} // namespace tarnwell
