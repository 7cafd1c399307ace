#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace tarnwell {

class SettingsStore;

// The per-user writable folder that stands in for "the program folder": the rule
// files, tarnwell.ini, known.lst, the log and downloaded messages lie in it.
// TARNWELL_HOME (or --home) makes a given folder the data folder and keeps the
// settings store inside it, so a test or a second profile never touches the user's.
class DataFolder
{
public:
    // explicitHome wins over TARNWELL_HOME, which wins over the XDG data home.
    static DataFolder locate(const QString &explicitHome = {});

    const QString &path() const { return m_path; }
    bool isIsolated() const { return m_isolated; }

    // path() joined with a file name.
    QString file(const QString &name) const;

    // Creates the folder and copies in each shipped file (from the resource folder
    // ":/seed") that is not there yet. Returns false when the folder cannot be made.
    bool prepare() const;

    // The settings store belonging to this data folder.
    std::unique_ptr<SettingsStore> openSettings() const;

    // Removes "--home DIR" / "--home=DIR" from the arguments and returns DIR.
    static QString takeHomeOption(QStringList &arguments);

private:
    DataFolder(QString path, bool isolated) : m_path(std::move(path)), m_isolated(isolated) {}

    QString m_path;
    bool m_isolated = false;
};

} // namespace tarnwell
