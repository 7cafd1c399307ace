#include "StoredGeneralOptions.h"

#include "platform/SettingsStore.h"

namespace tarnwell {

namespace {
const QString kGeneral = QStringLiteral("General");
}

bool StoredGeneralOptions::automaticChecking() const
{
    return m_store.flag(kGeneral, QStringLiteral("Automatic"), false);
}

bool StoredGeneralOptions::exitWhenNoMail() const
{
    return m_store.flag(kGeneral, QStringLiteral("Exit"), false);
}

int StoredGeneralOptions::minutes() const
{
    return m_store.integer(kGeneral, QStringLiteral("Minutes"), 10);
}

bool StoredGeneralOptions::sysTray() const
{
    return m_store.flag(kGeneral, QStringLiteral("SysTray"), false);
}

int StoredGeneralOptions::dialUpEntry() const
{
    return m_store.integer(kGeneral, QStringLiteral("RAS"), 0);
}

} // namespace tarnwell
