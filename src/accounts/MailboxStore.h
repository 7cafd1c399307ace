#pragma once

#include "accounts/MailboxAccount.h"

#include <functional>
#include <optional>

namespace tarnwell {

class MailboxList;
class SettingsStore;
class UserPrompter;

// Reads and writes the mailbox list in the "Server" section of the settings store.
class MailboxStore
{
public:
    // Which box of a row failed the check on saving (where the focus goes).
    enum class Field { Server, Mailbox, Password };
    struct SaveFailure
    {
        int slot;
        Field field;
    };

    MailboxStore(SettingsStore &store, UserPrompter &prompter);

    void readServerSettings(MailboxList &list) const;

    // Writes "Which" and the slots in order, checking each row after writing it;
    // stops at the first failing row (shown as an error box) and reports it.
    std::optional<SaveFailure> saveServerSettings(MailboxList &list) const;

    // Loads one account for the POP3 client and performs the one-time erasing of
    // passwords stored by an older version. Nothing is loaded on the call that
    // first writes the "Version161" marker. beforeWarning runs before the erasing
    // warning is shown (it hides the splash window).
    std::optional<ConnectionSettings> GetRemotePOPSettings(int slot,
                                                           const std::function<void()> &beforeWarning = {}) const;

    // Marks the store as holding current-format passwords (used by tarnwell-cli).
    void markCurrentFormat() const;

private:
    SettingsStore &m_store;
    UserPrompter &m_prompter;
};

} // namespace tarnwell
