#include "JoinPath.h"

#include <QDir>

namespace tarnwell {

QString JoinPath(const QString &folder, const QString &name)
{
    if (folder.isEmpty())
        return name;
    const QChar separator = QDir::separator();
    if (folder.endsWith(separator) || folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + separator + name;
}

} // namespace tarnwell
