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
    // QSaveFile::commit() does not notice a failure of its final flush (it would rename a
    // cut-off file over the old one), so the flush is checked here first.
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush()
        || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit(); // syncs and renames
}

} // namespace tarnwell
