#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace tarnwell {

namespace {

const QString kUserKey = QStringLiteral("Software\\Velmora Corporation\\Tarnwell\\10");

// Creates the file empty and user-only before QSettings writes to it, so that it is
// never readable by others, not even for a moment.
void createPrivateFile(const QString &path)
{
    QFileInfo info(path);
    QDir().mkpath(info.absolutePath());
    if (info.exists())
        return;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace

SettingsStore::SettingsStore(std::unique_ptr<QSettings> settings, QString filePath)
    : m_settings(std::move(settings)), m_filePath(std::move(filePath))
{
}

SettingsStore::~SettingsStore()
{
    sync();
}

std::unique_ptr<SettingsStore> SettingsStore::openUserStore()
{
#ifdef Q_OS_WIN
    auto settings = std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\") + kUserKey,
                                                QSettings::NativeFormat);
    return std::unique_ptr<SettingsStore>(new SettingsStore(std::move(settings), {}));
#else
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return openFile(base + QStringLiteral("/Velmora Corporation/Tarnwell/10.conf"));
#endif
}

std::unique_ptr<SettingsStore> SettingsStore::openFile(const QString &path)
{
    createPrivateFile(path);
    auto settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    return std::unique_ptr<SettingsStore>(new SettingsStore(std::move(settings), path));
}

QString SettingsStore::actualKey(const QString &section, const QString &name) const
{
    // Find the stored spelling of the section and of the value, ignoring case.
    QString group;
    if (!section.isEmpty()) {
        group = section;
        const QStringList groups = m_settings->childGroups();
        for (const QString &g : groups) {
            if (g.compare(section, Qt::CaseInsensitive) == 0) {
                group = g;
                break;
            }
        }
        m_settings->beginGroup(group);
    }
    QString key = name;
    const QStringList keys = m_settings->childKeys();
    for (const QString &k : keys) {
        if (k.compare(name, Qt::CaseInsensitive) == 0) {
            key = k;
            break;
        }
    }
    if (!section.isEmpty())
        m_settings->endGroup();
    return group.isEmpty() ? key : group + QLatin1Char('/') + key;
}

std::optional<QString> SettingsStore::value(const QString &section, const QString &name) const
{
    const QString key = actualKey(section, name);
    if (!m_settings->contains(key))
        return std::nullopt;
    return m_settings->value(key).toString();
}

QString SettingsStore::text(const QString &section, const QString &name, const QString &fallback) const
{
    return value(section, name).value_or(fallback);
}

int SettingsStore::integer(const QString &section, const QString &name, int fallback) const
{
    const auto stored = value(section, name);
    if (!stored)
        return fallback;
    bool ok = false;
    const int number = stored->trimmed().toInt(&ok);
    return ok ? number : fallback;
}

bool SettingsStore::flag(const QString &section, const QString &name, bool fallback) const
{
    return integer(section, name, fallback ? 1 : 0) != 0;
}

void SettingsStore::setText(const QString &section, const QString &name, const QString &text)
{
    m_settings->setValue(actualKey(section, name), text);
}

void SettingsStore::setInteger(const QString &section, const QString &name, int number)
{
    setText(section, name, QString::number(number));
}

void SettingsStore::setFlag(const QString &section, const QString &name, bool on)
{
    setText(section, name, on ? QStringLiteral("1") : QStringLiteral("0"));
}

void SettingsStore::remove(const QString &section, const QString &name)
{
    m_settings->remove(actualKey(section, name));
}

bool SettingsStore::sync()
{
    m_settings->sync();
    restrictFile();
    return m_settings->status() == QSettings::NoError;
}

void SettingsStore::restrictFile()
{
    if (!m_filePath.isEmpty() && QFile::exists(m_filePath))
        QFile::setPermissions(m_filePath, QFile::ReadOwner | QFile::WriteOwner);
}

QString SettingsStore::location() const
{
    return m_filePath.isEmpty() ? QStringLiteral("HKEY_CURRENT_USER\\") + kUserKey : m_filePath;
}

std::pair<QString, QString> SettingsStore::splitPath(const QString &path)
{
    const qsizetype slash = path.indexOf(QLatin1Char('/'));
    if (slash < 0)
        return {QString(), path};
    return {path.left(slash), path.mid(slash + 1)};
}

} // namespace tarnwell
