#include "WidgetMailboxPicker.h"

#include "TfrmWhichMailbox.h"

namespace tarnwell {

std::optional<int> WidgetMailboxPicker::pickMailbox(const MailboxList &mailboxes, int preselected)
{
    TfrmWhichMailbox dialog(mailboxes, preselected, m_prompter, m_parent);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenSlot() == 0)
        return std::nullopt;
    return dialog.chosenSlot();
}

} // namespace tarnwell
