#pragma once

#include "IniDocument.h"
#include "SpamOptions.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace tarnwell {

// The spam options in "tarnwell.ini". Yes/no is written "1"/"0" and read as yes for
// any number other than 0; a missing key, or a value that is no number, reads as its
// default.
class SpamOptionsFile
{
public:
    struct Entry
    {
        QByteArray section;
        QByteArray key;
        QByteArray value; // as written
    };

    static SpamOptions fromIni(const IniDocument &ini);
    static void toIni(const SpamOptions &options, IniDocument &ini);
    // The values as saved, in saving order; withUnread adds the four never-read keys.
    static QList<Entry> entries(const SpamOptions &options, bool withUnread);

    // A missing or unreadable file gives the defaults.
    static SpamOptions read(const QString &path);
    // Keeps the file's other sections and keys. False, and the file untouched, when
    // the old file cannot be read or the new one cannot be written.
    static bool write(const QString &path, const SpamOptions &options);
};

} // namespace tarnwell
