#pragma once

#include "accounts/MailboxStore.h"

#include <QWidget>

#include <array>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace tarnwell {

class MailboxList;

// The "Mailboxes" page: twelve rows of Preferred / Check? / POP Server /
// User Name/Mailbox / Password over the mailbox list.
class MailboxesPage : public QWidget
{
    Q_OBJECT
public:
    explicit MailboxesPage(QWidget *parent = nullptr);

    void showList(const MailboxList &list);
    void storeInto(MailboxList &list) const;
    void focusField(int slot, MailboxStore::Field field);

    QRadioButton *preferredButton(int slot) const { return m_rows[slot - 1].preferred; }
    QCheckBox *checkBox(int slot) const { return m_rows[slot - 1].check; }
    QLineEdit *serverEdit(int slot) const { return m_rows[slot - 1].server; }
    QLineEdit *mailboxEdit(int slot) const { return m_rows[slot - 1].mailbox; }
    QLineEdit *passwordEdit(int slot) const { return m_rows[slot - 1].password; }

private:
    struct Row
    {
        QRadioButton *preferred = nullptr;
        QCheckBox *check = nullptr;
        QLineEdit *server = nullptr;
        QLineEdit *mailbox = nullptr;
        QLineEdit *password = nullptr;
    };
    std::array<Row, 12> m_rows;
    QButtonGroup *m_group = nullptr;
};

} // namespace tarnwell
