#include "GeneralSettingsDialog.h"

#include "MailboxesPage.h"

#include "accounts/MailboxList.h"
#include "accounts/MailboxStore.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tarnwell {

GeneralSettingsDialog::GeneralSettingsDialog(MailboxList &list, MailboxStore &store, QWidget *parent)
    : QDialog(parent), m_list(list), m_store(store)
{
    setObjectName(QStringLiteral("TfrmGeneral"));
    setWindowTitle(QStringLiteral("General settings"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    auto *titleRow = new QHBoxLayout;
    auto *picture = new QLabel;
    picture->setPixmap(QIcon(QStringLiteral(":/images/general-title")).pixmap(32, 32));
    auto *title = new QLabel(QStringLiteral("General Settings"));
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    title->setFont(big);
    titleRow->addWidget(title);
    titleRow->addWidget(picture);
    titleRow->addStretch();
    layout->addLayout(titleRow);

    m_pages = new QTabWidget;
    m_mailboxes = new MailboxesPage;
    m_pages->addTab(m_mailboxes, QStringLiteral("Mailboxes"));
    layout->addWidget(m_pages);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    resize(640, 480);
    reload();
}

void GeneralSettingsDialog::reload()
{
    m_store.readServerSettings(m_list);
    m_mailboxes->showList(m_list);
}

void GeneralSettingsDialog::showEvent(QShowEvent *event)
{
    reload();
    QDialog::showEvent(event);
}

void GeneralSettingsDialog::accept()
{
    m_mailboxes->storeInto(m_list);
    if (const auto failure = m_store.saveServerSettings(m_list)) {
        m_pages->setCurrentWidget(m_mailboxes);
        m_mailboxes->focusField(failure->slot, failure->field);
        return;
    }
    QDialog::accept();
}

void GeneralSettingsDialog::reject()
{
    reload();
    QDialog::reject();
}

} // namespace tarnwell
