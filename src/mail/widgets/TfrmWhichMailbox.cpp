#include "TfrmWhichMailbox.h"

#include "accounts/MailboxList.h"
#include "platform/UserPrompter.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarnwell {

namespace {
constexpr int kFirstLetterSlot = 10;

// The entry's lead: the digit for slots 1..9, a, b, c for 10..12.
QString leadOf(int slot)
{
    if (slot < kFirstLetterSlot)
        return QString::number(slot);
    return QString(QLatin1Char(char('a' + slot - kFirstLetterSlot)));
}

// The lead a released key stands for, or nothing.
QString leadOfKey(int key)
{
    if (key >= Qt::Key_1 && key <= Qt::Key_9)
        return QString::number(key - Qt::Key_0);
    if (key >= Qt::Key_A && key <= Qt::Key_C)
        return QString(QLatin1Char(char('a' + key - Qt::Key_A)));
    return {};
}
} // namespace

TfrmWhichMailbox::TfrmWhichMailbox(const MailboxList &mailboxes, int preselected, UserPrompter &prompter,
                                   QWidget *parent)
    : QDialog(parent), m_prompter(prompter)
{
    setObjectName(QStringLiteral("TfrmWhichMailbox"));
    setWindowTitle(QStringLiteral("Which Mail Box?"));
    setWindowFlag(Qt::WindowStaysOnTopHint);

    m_list = new QComboBox;
    m_list->setEditable(false);
    for (int slot = 1; slot <= MailboxList::kSlots; ++slot) {
        const MailboxAccount &a = mailboxes.account(slot);
        if (!a.isEnabled())
            continue;
        m_list->addItem(entryText(slot, a.mailbox, a.server), slot);
    }
    m_list->setCurrentIndex(m_list->findData(preselected));
    m_list->installEventFilter(this);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmWhichMailbox::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TfrmWhichMailbox::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Which mailbox do you wish to check?")));
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    m_list->setFocus();
}

QString TfrmWhichMailbox::entryText(int slot, const QString &userName, const QString &server)
{
    return QStringLiteral("%1) Mailbox %2 - Server %3").arg(leadOf(slot), userName, server);
}

int TfrmWhichMailbox::slotOfEntry(const QString &entry)
{
    const qsizetype close = entry.indexOf(QLatin1Char(')'));
    if (close <= 0)
        return 0;
    const QString lead = entry.left(close);
    for (int slot = 1; slot <= MailboxList::kSlots; ++slot)
        if (lead == leadOf(slot))
            return slot;
    return 0;
}

void TfrmWhichMailbox::accept()
{
    if (m_list->currentIndex() < 0) {
        m_prompter.error(QStringLiteral("Mailbox not selected."));
        return;
    }
    m_chosen = slotOfEntry(m_list->currentText());
    QDialog::accept();
}

bool TfrmWhichMailbox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list && event->type() == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QString lead = leadOfKey(key->key());
        if (!key->isAutoRepeat() && !lead.isEmpty() && m_list->currentIndex() >= 0
            && m_list->currentText().startsWith(lead + QLatin1Char(')'))) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tarnwell
