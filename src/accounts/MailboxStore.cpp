#include "MailboxStore.h"

#include "MailboxList.h"
#include "SettingsCipher.h"

#include "platform/SettingsStore.h"
#include "platform/UserPrompter.h"

namespace tarnwell {

namespace {

const QString kSection = QStringLiteral("Server");
const QString kMarker = QStringLiteral("Version161");
const QString kCurrentFormat = QStringLiteral("161");

QString slotName(const char *name, int slot)
{
    return QLatin1String(name) + QString::number(slot);
}

} // namespace

MailboxStore::MailboxStore(SettingsStore &store, UserPrompter &prompter) : m_store(store), m_prompter(prompter) {}

void MailboxStore::readServerSettings(MailboxList &list) const
{
    const int which = m_store.integer(kSection, QStringLiteral("Which"), 1);
    if (MailboxList::isSlot(which))
        list.selectSlot(which);
    list.setWhich(which);
    for (int slot = 1; slot <= MailboxList::kSlots; ++slot) {
        MailboxAccount &a = list.account(slot);
        a.server = m_store.text(kSection, slotName("Server", slot));
        a.mailbox = m_store.text(kSection, slotName("Mailbox", slot));
        a.check = m_store.flag(kSection, slotName("Check", slot), true);
        // An empty stored password clears the box: keeping the previous text would
        // show (and later save) a password that was never stored for this slot.
        a.password = SettingsCipher::decipher(m_store.text(kSection, slotName("Passwd", slot)));
    }
}

std::optional<MailboxStore::SaveFailure> MailboxStore::saveServerSettings(MailboxList &list) const
{
    const int which = list.selectedSlot();
    list.setWhich(which);
    m_store.setInteger(kSection, QStringLiteral("Which"), which);

    std::optional<SaveFailure> failure;
    for (int slot = 1; slot <= MailboxList::kSlots && !failure; ++slot) {
        const MailboxAccount &a = list.account(slot);
        m_store.setText(kSection, slotName("Server", slot), a.server);
        m_store.setText(kSection, slotName("Mailbox", slot), a.mailbox);
        m_store.setFlag(kSection, slotName("Check", slot), a.check);
        m_store.setText(kSection, slotName("Passwd", slot), SettingsCipher::encipher(a.password));

        if (!a.server.isEmpty() && a.mailbox.isEmpty()) {
            m_prompter.error(QStringLiteral("Mailbox %1 has a server %2 but no mailbox").arg(slot).arg(a.server));
            failure = SaveFailure{slot, Field::Mailbox};
        } else if (a.server.isEmpty() && !a.mailbox.isEmpty()) {
            m_prompter.error(QStringLiteral("Mailbox %1 %2 has a blank server").arg(slot).arg(a.mailbox));
            failure = SaveFailure{slot, Field::Server};
        } else if (!a.server.isEmpty() && !a.mailbox.isEmpty() && a.password.isEmpty()) {
            m_prompter.error(QStringLiteral("Mailbox %1 - there is no password set").arg(slot));
            failure = SaveFailure{slot, Field::Password};
        }
    }
    m_store.sync();
    return failure;
}

std::optional<ConnectionSettings> MailboxStore::GetRemotePOPSettings(int slot,
                                                                      const std::function<void()> &beforeWarning) const
{
    const QString stored = m_store.text(kSection, slotName("Passwd", slot));
    const QString marker = m_store.text(kSection, kMarker, QStringLiteral("xx"));
    markCurrentFormat();

    if (marker == kCurrentFormat) {
        ConnectionSettings settings;
        settings.server = m_store.text(kSection, slotName("Server", slot));
        settings.userName = m_store.text(kSection, slotName("Mailbox", slot));
        // An empty stored password gives an empty one, never the previous account's:
        // that would send one server's password to another.
        settings.password = SettingsCipher::decipher(stored);
        return settings;
    }

    if (!stored.isEmpty()) {
        if (beforeWarning)
            beforeWarning();
        m_prompter.warning(QStringLiteral("Warning: You will have to re-enter your passwords for all of your "
                                          "mailboxes!  Sorry for the inconvenience."));
        for (int n = 1; n <= MailboxList::kSlots; ++n)
            m_store.setText(kSection, slotName("Passwd", n), QString());
        m_store.sync();
    }
    return std::nullopt;
}

void MailboxStore::markCurrentFormat() const
{
    m_store.setText(kSection, kMarker, kCurrentFormat);
    m_store.sync();
}

} // namespace tarnwell
