#include "MailboxesPage.h"

#include "accounts/MailboxList.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tarnwell {

MailboxesPage::MailboxesPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Mailboxes"));
    auto *outer = new QVBoxLayout(this);

    auto *table = new QWidget;
    auto *grid = new QGridLayout(table);
    const char *captions[] = {"Preferred", "Check?", "POP Server", "User Name/Mailbox", "Password"};
    for (int c = 0; c < 5; ++c)
        grid->addWidget(new QLabel(QString::fromLatin1(captions[c])), 0, c);

    m_group = new QButtonGroup(this);
    QWidget *previous = nullptr;
    for (int slot = 1; slot <= MailboxList::kSlots; ++slot) {
        Row &row = m_rows[slot - 1];
        const QString n = QString::number(slot);
        row.preferred = new QRadioButton(QStringLiteral("Mailbox ") + n);
        row.preferred->setObjectName(QStringLiteral("rb") + n);
        row.check = new QCheckBox(QStringLiteral("?"));
        row.check->setObjectName(QStringLiteral("cb") + n);
        row.server = new QLineEdit;
        row.server->setObjectName(QStringLiteral("edServe") + n);
        row.mailbox = new QLineEdit;
        row.mailbox->setObjectName(QStringLiteral("edName") + n);
        row.password = new QLineEdit;
        row.password->setObjectName(QStringLiteral("edPass") + n);
        row.password->setEchoMode(QLineEdit::Password);
        row.password->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
        m_group->addButton(row.preferred, slot);

        QWidget *cells[] = {row.preferred, row.check, row.server, row.mailbox, row.password};
        for (int c = 0; c < 5; ++c) {
            grid->addWidget(cells[c], slot, c);
            // Row by row, and within a row from left to right.
            if (previous)
                QWidget::setTabOrder(previous, cells[c]);
            previous = cells[c];
        }
    }

    auto *scroll = new QScrollArea;
    scroll->setWidget(table);
    scroll->setWidgetResizable(true);
    outer->addWidget(scroll);

    auto *note = new QLabel(QStringLiteral(
        "Tarnwell needs the name of your POP server (for example pop.example.net), your user name on that "
        "server and the password you use to get your mail. Your internet service provider can give you all "
        "three."));
    note->setWordWrap(true);
    outer->addWidget(note);
    outer->addWidget(new QLabel(QStringLiteral("Mailboxes without a check mark will not be checked for e-mail.")));
}

void MailboxesPage::showList(const MailboxList &list)
{
    for (int slot = 1; slot <= MailboxList::kSlots; ++slot) {
        const MailboxAccount &a = list.account(slot);
        Row &row = m_rows[slot - 1];
        row.check->setChecked(a.check);
        row.server->setText(a.server);
        row.mailbox->setText(a.mailbox);
        row.password->setText(a.password);
    }
    // "Mailbox 1" is selected when nothing else is.
    const int selected = list.selectedSlot() ? list.selectedSlot() : 1;
    m_rows[selected - 1].preferred->setChecked(true);
}

void MailboxesPage::storeInto(MailboxList &list) const
{
    for (int slot = 1; slot <= MailboxList::kSlots; ++slot) {
        MailboxAccount &a = list.account(slot);
        const Row &row = m_rows[slot - 1];
        a.check = row.check->isChecked();
        a.server = row.server->text();
        a.mailbox = row.mailbox->text();
        a.password = row.password->text();
    }
    list.selectSlot(m_group->checkedId() > 0 ? m_group->checkedId() : 0);
}

void MailboxesPage::focusField(int slot, MailboxStore::Field field)
{
    const Row &row = m_rows[slot - 1];
    switch (field) {
    case MailboxStore::Field::Server:
        row.server->setFocus();
        break;
    case MailboxStore::Field::Mailbox:
        row.mailbox->setFocus();
        break;
    case MailboxStore::Field::Password:
        row.password->setFocus();
        break;
    }
}

} // namespace tarnwell
