#pragma once

#include <QDialog>

class QComboBox;

namespace tarnwell {

class MailboxList;
class UserPrompter;

// "Which Mail Box?": one entry per enabled mailbox, "1) Mailbox joe - Server
// pop.example.com", with the letters a, b and c for slots 10 to 12. Releasing the
// digit or letter of the selected entry confirms it.
class TfrmWhichMailbox : public QDialog
{
    Q_OBJECT
public:
    TfrmWhichMailbox(const MailboxList &mailboxes, int preselected, UserPrompter &prompter,
                     QWidget *parent = nullptr);

    // The slot of the confirmed entry; 0 before a confirmation.
    int chosenSlot() const { return m_chosen; }
    QComboBox *list() const { return m_list; }

    static QString entryText(int slot, const QString &userName, const QString &server);
    // The slot an entry names by the text before its ")", 0 when none.
    static int slotOfEntry(const QString &entry);

    void accept() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QComboBox *m_list = nullptr;
    UserPrompter &m_prompter;
    int m_chosen = 0;
};

} // namespace tarnwell
