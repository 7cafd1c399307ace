#include "RecordingPrompter.h"

namespace tarnwell::test {

void RecordingPrompter::message(Kind kind, const QString &text)
{
    m_shown.append({kind, text});
}

bool RecordingPrompter::confirm(const QString &text)
{
    m_shown.append({Kind::Confirmation, text});
    if (m_confirmations.empty())
        return false;
    const bool answer = m_confirmations.front();
    m_confirmations.pop_front();
    return answer;
}

std::optional<QString> RecordingPrompter::inputLine(const QString &, const QString &prompt, const QString &)
{
    m_shown.append({Kind::Information, prompt});
    if (m_inputs.empty())
        return std::nullopt;
    const Input answer = m_inputs.front();
    m_inputs.pop_front();
    if (!answer.given)
        return std::nullopt;
    return answer.text;
}

QString RecordingPrompter::openFileName(const QString &, const QString &, const QString &)
{
    if (m_fileNames.empty())
        return {};
    const QString answer = m_fileNames.front();
    m_fileNames.pop_front();
    return answer;
}

QString RecordingPrompter::saveFileName(const QString &caption, const QString &folder, const QString &filter)
{
    return openFileName(caption, folder, filter);
}

QStringList RecordingPrompter::texts() const
{
    QStringList out;
    for (const Shown &s : m_shown)
        out << s.text;
    return out;
}

QStringList RecordingPrompter::textsOf(Kind kind) const
{
    QStringList out;
    for (const Shown &s : m_shown)
        if (s.kind == kind)
            out << s.text;
    return out;
}

} // namespace tarnwell::test
