#pragma once

#include <QString>

#include <optional>

namespace tarnwell {

// Every message box, input box and file dialog the program shows goes through this
// interface, so the engine never touches widgets and tests can pre-answer dialogs.
class UserPrompter
{
public:
    enum class Kind { Error, Warning, Information, Confirmation };

    virtual ~UserPrompter() = default;

    // A modal box of one of the first three kinds with an OK button.
    virtual void message(Kind kind, const QString &text) = 0;
    // A Yes/No confirmation; true for Yes.
    virtual bool confirm(const QString &text) = 0;
    // The one-line input box; nothing when cancelled.
    virtual std::optional<QString> inputLine(const QString &caption, const QString &prompt,
                                             const QString &initial) = 0;
    // File dialogs; an empty text when cancelled. filter as in Qt ("Text (*.txt)").
    virtual QString openFileName(const QString &caption, const QString &folder, const QString &filter) = 0;
    virtual QString saveFileName(const QString &caption, const QString &folder, const QString &filter) = 0;

    void error(const QString &text) { message(Kind::Error, text); }
    void warning(const QString &text) { message(Kind::Warning, text); }
    void information(const QString &text) { message(Kind::Information, text); }
};

} // namespace tarnwell
