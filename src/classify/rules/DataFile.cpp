#include "DataFile.h"

#include <QFile>
#include <QSaveFile>

namespace tarnwell {

DataFile::Read DataFile::read(const QString &path, qint64 maxBytes)
{
    QFile file(path);
    if (!file.exists())
        return {Status::Missing, {}};
    if (!file.open(QIODevice::ReadOnly))
        return {Status::CannotOpen, {}};
    QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes)
        return {Status::TooLarge, {}};
    if (file.error() != QFileDevice::NoError)
        return {Status::CannotOpen, {}};
    return {Status::Ok, std::move(bytes)};
}

bool DataFile::writeAtomically(const QString &path, QByteArrayView bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes.data(), bytes.size()) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit(); // flushes, syncs and renames; discards the temporary file on failure
}

} // namespace tarnwell
