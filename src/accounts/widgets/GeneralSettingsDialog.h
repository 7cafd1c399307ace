#pragma once

#include <QDialog>

class QTabWidget;

namespace tarnwell {

class MailboxList;
class MailboxStore;
class MailboxesPage;

// "General settings": created once at start and kept for the whole run. OK saves
// (and stays open on a failed check); Cancel re-reads the stored settings.
class GeneralSettingsDialog : public QDialog
{
    Q_OBJECT
public:
    GeneralSettingsDialog(MailboxList &list, MailboxStore &store, QWidget *parent = nullptr);

    MailboxesPage *mailboxesPage() const { return m_mailboxes; }
    QTabWidget *pages() const { return m_pages; }

    // Reads the list from the store and shows it; done on every show.
    void reload();

    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    MailboxList &m_list;
    MailboxStore &m_store;
    QTabWidget *m_pages = nullptr;
    MailboxesPage *m_mailboxes = nullptr;
};

} // namespace tarnwell
