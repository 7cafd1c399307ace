#pragma once

#include "CliCommand.h"

#include "app/ApplicationContext.h"
#include "mail/CheckRun.h"
#include "mail/CheckRunWindow.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tarnwell {

// A check of one mailbox as tarnwell-cli runs it: the main window's engine without
// a window, unattended (no dialogs), with the rule tables and spam options read from
// the data folder and the classifier judging each arriving row and then all rows.
// It stands where the main window would: never shown, keeping the last status text.
class CliCheckSession final : private CheckRunWindow
{
public:
    // Whether the end of the check writes the rule tables with their new hit counts,
    // as the window does, or leaves the rule files as they are.
    enum class RuleFiles { Save, Keep };

    explicit CliCheckSession(CliContext &context);

    // Checks mailbox slot `mailbox`, or the preferred one.
    CheckRun::Outcome check(std::optional<int> mailbox, RuleFiles ruleFiles);

    ApplicationContext &app() { return m_app; }
    Classifier &classifier() { return m_app.classifier(); }
    const QString &status() const { return m_status; }

    // Takes "--mailbox N" off the front of the arguments. False when it is there but
    // N is not a slot from 1 to 12.
    static bool takeMailboxOption(QStringList &arguments, std::optional<int> &mailbox);

private:
    // CheckRunWindow
    bool isShown() const override { return false; }
    void showStatus(const QString &text) override { m_status = text; }
    void disableAllButtons() override {}
    void enableAllButtons() override {}
    void showExitAsCancel(bool) override {}
    void updateCheckPicture() override {}
    void scrollListDown() override {}
    void openGeneralSettings() override {}
    void leaveAfterEmptyCheck() override {}

    ApplicationContext m_app;
    QString m_status;
};

} // namespace tarnwell
