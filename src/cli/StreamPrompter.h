#pragma once

#include "platform/UserPrompter.h"

#include <QTextStream>

namespace tarnwell {

// tarnwell-cli's messages: the text alone on standard error, one line each. Nobody
// is there to answer, so a confirmation answers No and input boxes are cancelled.
class StreamPrompter final : public UserPrompter
{
public:
    explicit StreamPrompter(QTextStream &err) : m_err(err) {}

    void message(Kind, const QString &text) override
    {
        m_err << text << "\n";
        m_err.flush();
    }
    bool confirm(const QString &text) override
    {
        message(Kind::Confirmation, text);
        return false;
    }
    std::optional<QString> inputLine(const QString &, const QString &, const QString &) override { return {}; }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }

private:
    QTextStream &m_err;
};

} // namespace tarnwell
