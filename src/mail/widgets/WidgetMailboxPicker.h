#pragma once

#include "mail/MailboxPicker.h"

class QWidget;

namespace tarnwell {

class UserPrompter;

// Asks with a "Which Mail Box?" dialog made for the one question.
class WidgetMailboxPicker final : public MailboxPicker
{
public:
    WidgetMailboxPicker(UserPrompter &prompter, QWidget *parent = nullptr) : m_prompter(prompter), m_parent(parent) {}

    std::optional<int> pickMailbox(const MailboxList &mailboxes, int preselected) override;

private:
    UserPrompter &m_prompter;
    QWidget *m_parent = nullptr;
};

} // namespace tarnwell
