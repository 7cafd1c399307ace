#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QSettings;

namespace tarnwell {

// The per-user key "Software\Velmora Corporation\Tarnwell\10": sections as subkeys,
// values as text. Value and section names match without regard to case, a missing
// value or an unparsable number reads as the caller's default, and the file (on
// Linux) is readable by the user only, since it holds the enciphered passwords.
// An empty section name means the values directly under the key.
class SettingsStore
{
public:
    // The store of the current user, or the file given (isolated homes, tests).
    static std::unique_ptr<SettingsStore> openUserStore();
    static std::unique_ptr<SettingsStore> openFile(const QString &path);

    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    std::optional<QString> value(const QString &section, const QString &name) const;
    QString text(const QString &section, const QString &name, const QString &fallback = {}) const;
    int integer(const QString &section, const QString &name, int fallback) const;
    bool flag(const QString &section, const QString &name, bool fallback) const;

    void setText(const QString &section, const QString &name, const QString &text);
    void setInteger(const QString &section, const QString &name, int number);
    void setFlag(const QString &section, const QString &name, bool on);
    void remove(const QString &section, const QString &name);

    // Writes pending changes; returns false when the store could not be written.
    bool sync();

    // Where the store lives, for messages and tests (a file path or a registry key).
    QString location() const;

    // "Section/Name" or a bare "Name" (a value directly under the key).
    static std::pair<QString, QString> splitPath(const QString &path);

private:
    explicit SettingsStore(std::unique_ptr<QSettings> settings, QString filePath);
    QString actualKey(const QString &section, const QString &name) const;
    void restrictFile();

    std::unique_ptr<QSettings> m_settings;
    QString m_filePath; // empty for the registry
};

} // namespace tarnwell
