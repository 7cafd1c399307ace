#include "DataFolder.h"

#include "JoinPath.h"
#include "SettingsStore.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStandardPaths>

namespace tarnwell {

namespace {
const char kHomeVariable[] = "TARNWELL_HOME";
const QString kSeedFolder = QStringLiteral(":/seed");
const QString kIsolatedSettingsFile = QStringLiteral("tarnwell-settings.conf");
} // namespace

DataFolder DataFolder::locate(const QString &explicitHome)
{
    if (!explicitHome.isEmpty())
        return DataFolder(QDir(explicitHome).absolutePath(), true);
    const QString fromEnvironment = qEnvironmentVariable(kHomeVariable);
    if (!fromEnvironment.isEmpty())
        return DataFolder(QDir(fromEnvironment).absolutePath(), true);
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return DataFolder(base + QStringLiteral("/tarnwell"), false);
}

QString DataFolder::file(const QString &name) const
{
    return JoinPath(QDir::toNativeSeparators(m_path), name);
}

bool DataFolder::prepare() const
{
    if (!QDir().mkpath(m_path))
        return false;
    QDirIterator it(kSeedFolder, QDir::Files);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = file(it.fileName());
        if (QFile::exists(target))
            continue;
        if (QFile::copy(source, target))
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                              | QFile::ReadOther);
    }
    return true;
}

std::unique_ptr<SettingsStore> DataFolder::openSettings() const
{
    if (m_isolated)
        return SettingsStore::openFile(file(kIsolatedSettingsFile));
    return SettingsStore::openUserStore();
}

QString DataFolder::takeHomeOption(QStringList &arguments)
{
    QString home;
    for (qsizetype i = 1; i < arguments.size();) {
        const QString &arg = arguments.at(i);
        if (arg == QLatin1String("--home") && i + 1 < arguments.size()) {
            home = arguments.at(i + 1);
            arguments.remove(i, 2);
        } else if (arg.startsWith(QLatin1String("--home="))) {
            home = arg.mid(7);
            arguments.remove(i);
        } else {
            ++i;
        }
    }
    return home;
}

} // namespace tarnwell
