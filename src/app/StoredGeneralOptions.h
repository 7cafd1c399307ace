#pragma once

#include "mail/CheckOptions.h"

namespace tarnwell {

class SettingsStore;

// The general options as last confirmed, read from the settings store each time
// they are asked for. The General settings dialog holds only the mailbox list so
// far; these are the values it will edit.
class StoredGeneralOptions final : public CheckOptions
{
public:
    explicit StoredGeneralOptions(const SettingsStore &store) : m_store(store) {}

    bool automaticChecking() const override;
    bool exitWhenNoMail() const override;
    int minutes() const;
    bool sysTray() const;
    int dialUpEntry() const;

private:
    const SettingsStore &m_store;
};

} // namespace tarnwell
