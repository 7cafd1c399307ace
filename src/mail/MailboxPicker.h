#pragma once

#include <optional>

namespace tarnwell {

class MailboxList;

// Asks which enabled mailbox to check ("Which Mail Box?").
class MailboxPicker
{
public:
    virtual ~MailboxPicker() = default;
    // The chosen slot, or nothing when the user cancelled.
    virtual std::optional<int> pickMailbox(const MailboxList &mailboxes, int preselected) = 0;
};

} // namespace tarnwell
