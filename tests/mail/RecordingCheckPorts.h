#pragma once

#include "mail/CheckActivityLog.h"
#include "mail/CheckRunPorts.h"
#include "mail/CheckRunWindow.h"
#include "mail/MailboxPicker.h"
#include "mail/MessageJudge.h"
#include "mail/ProgressDisplay.h"
#include "mail/RuleTablesSaver.h"
#include "mail/TrayMenu.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>

namespace tarnwell::test {

// Stands in for everything the check run talks to and writes each call down as a
// line ("status Updating headers", "judge 0", "log check 2 joe localhost:110"), so
// that a test can look at what happened and in which order.
class RecordingCheckPorts final : public CheckRunWindow,
                                  public ProgressDisplay,
                                  public MailboxPicker,
                                  public MessageJudge,
                                  public CheckActivityLog,
                                  public RuleTablesSaver,
                                  public TrayMenu
{
public:
    // Every port, or only the window (as tarnwell-cli has it).
    CheckRunPorts all();
    CheckRunPorts windowOnly();

    QStringList calls;
    QStringList statuses() const;
    QStringList callsStartingWith(const QString &prefix) const;

    bool shown = true;
    // Answers of the picker, in order; none left means Cancel.
    std::deque<std::optional<int>> pickerAnswers;
    QList<int> pickerPreselections;
    // Runs when a judge call for this index arrives.
    std::function<void(int)> onJudge;

    // CheckRunWindow
    bool isShown() const override { return shown; }
    void showStatus(const QString &text) override;
    void disableAllButtons() override;
    void enableAllButtons() override;
    void showExitAsCancel(bool cancel) override;
    void updateCheckPicture() override;
    void scrollListDown() override;
    void openGeneralSettings() override;
    void leaveAfterEmptyCheck() override;
    // ProgressDisplay
    void setTitle(const QString &title) override;
    void showFor(const QString &server, const QString &userName) override;
    void hideDisplay() override;
    void setMessage(const QString &text) override;
    void hideBar() override;
    void showBar(int maximum, int position) override;
    // MailboxPicker
    std::optional<int> pickMailbox(const MailboxList &mailboxes, int preselected) override;
    // MessageJudge
    void MarkForDeletion(int index) override;
    // CheckActivityLog
    void writeCheckLine(int messages, const QString &userName, const QString &server) override;
    void writeErrorLine(const QString &text, const QString &userName, const QString &server) override;
    // RuleTablesSaver
    void saveRuleTables() override;
    // TrayMenu
    void setMenuEnabled(bool enabled) override;
    void setExitCaption(const QString &caption) override;
    void showNormalIcon() override;
};

} // namespace tarnwell::test
