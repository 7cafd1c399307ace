#pragma once

#include "platform/DataFolder.h"
#include "platform/SettingsStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace tarnwell::test {

// A fresh data folder for one test: TARNWELL_HOME points at it while the test runs,
// so the code under test and any tarnwell-cli it starts see only this folder.
class TempHome
{
public:
    TempHome();
    ~TempHome();

    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const;
    DataFolder folder() const { return DataFolder::locate(m_dir.path()); }
    std::unique_ptr<SettingsStore> settings() const { return folder().openSettings(); }

    // Writes a file into the home, bytes as given.
    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
    bool m_hadPrevious = false;
};

// A test fixture that owns a TempHome.
class HomeTest : public ::testing::Test
{
protected:
    TempHome home;
};

} // namespace tarnwell::test
