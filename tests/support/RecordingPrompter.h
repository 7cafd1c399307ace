#pragma once

#include "platform/UserPrompter.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>

namespace tarnwell::test {

// Records every message shown and plays answers set in advance. A question with
// no answer set is answered No / cancelled.
class RecordingPrompter final : public UserPrompter
{
public:
    struct Shown
    {
        Kind kind;
        QString text;
    };

    void message(Kind kind, const QString &text) override;
    bool confirm(const QString &text) override;
    std::optional<QString> inputLine(const QString &caption, const QString &prompt,
                                     const QString &initial) override;
    QString openFileName(const QString &caption, const QString &folder, const QString &filter) override;
    QString saveFileName(const QString &caption, const QString &folder, const QString &filter) override;

    void setNextConfirmation(bool yes) { m_confirmations.push_back(yes); }
    // Nothing stands for a cancelled input box.
    void setNextInput(const std::optional<QString> &text) { m_inputs.push_back({text.has_value(), text.value_or(QString())}); }
    void setNextFileName(const QString &path) { m_fileNames.push_back(path); }

    const QList<Shown> &shown() const { return m_shown; }
    QStringList texts() const;
    QStringList textsOf(Kind kind) const;
    void clear() { m_shown.clear(); }

private:
    QList<Shown> m_shown;
    std::deque<bool> m_confirmations;
    // A plain pair rather than std::optional<QString>: GCC 12 warns falsely about the
    // optional's copy in release builds.
    struct Input
    {
        bool given;
        QString text;
    };
    std::deque<Input> m_inputs;
    std::deque<QString> m_fileNames;
};

} // namespace tarnwell::test
