#include "RecordingCheckPorts.h"

namespace tarnwell::test {

CheckRunPorts RecordingCheckPorts::all()
{
    CheckRunPorts ports;
    ports.window = this;
    ports.progress = this;
    ports.picker = this;
    ports.judge = this;
    ports.log = this;
    ports.ruleTables = this;
    ports.tray = this;
    return ports;
}

CheckRunPorts RecordingCheckPorts::windowOnly()
{
    CheckRunPorts ports;
    ports.window = this;
    return ports;
}

QStringList RecordingCheckPorts::callsStartingWith(const QString &prefix) const
{
    QStringList out;
    for (const QString &call : calls)
        if (call.startsWith(prefix))
            out << call;
    return out;
}

QStringList RecordingCheckPorts::statuses() const
{
    QStringList out;
    for (const QString &call : callsStartingWith(QStringLiteral("status ")))
        out << call.mid(7);
    return out;
}

void RecordingCheckPorts::showStatus(const QString &text)
{
    calls << QStringLiteral("status ") + text;
}

void RecordingCheckPorts::disableAllButtons()
{
    calls << QStringLiteral("disableAllButtons");
}

void RecordingCheckPorts::enableAllButtons()
{
    calls << QStringLiteral("enableAllButtons");
}

void RecordingCheckPorts::showExitAsCancel(bool cancel)
{
    calls << (cancel ? QStringLiteral("exit Cancel") : QStringLiteral("exit normal"));
}

void RecordingCheckPorts::updateCheckPicture()
{
    calls << QStringLiteral("checkPicture");
}

void RecordingCheckPorts::scrollListDown()
{
    calls << QStringLiteral("scroll");
}

void RecordingCheckPorts::openGeneralSettings()
{
    calls << QStringLiteral("openGeneralSettings");
}

void RecordingCheckPorts::leaveAfterEmptyCheck()
{
    calls << QStringLiteral("leave");
}

void RecordingCheckPorts::setTitle(const QString &title)
{
    calls << QStringLiteral("progress title ") + title;
}

void RecordingCheckPorts::showFor(const QString &server, const QString &userName)
{
    calls << QStringLiteral("progress show %1 %2").arg(server, userName);
}

void RecordingCheckPorts::hideDisplay()
{
    calls << QStringLiteral("progress hide");
}

void RecordingCheckPorts::setMessage(const QString &text)
{
    calls << QStringLiteral("progress message ") + text;
}

void RecordingCheckPorts::hideBar()
{
    calls << QStringLiteral("progress hideBar");
}

void RecordingCheckPorts::showBar(int maximum, int position)
{
    calls << QStringLiteral("progress bar %1/%2").arg(position).arg(maximum);
}

std::optional<int> RecordingCheckPorts::pickMailbox(const MailboxList &, int preselected)
{
    calls << QStringLiteral("picker %1").arg(preselected);
    pickerPreselections << preselected;
    if (pickerAnswers.empty())
        return std::nullopt;
    const std::optional<int> answer = pickerAnswers.front();
    pickerAnswers.pop_front();
    return answer;
}

void RecordingCheckPorts::MarkForDeletion(int index)
{
    calls << QStringLiteral("judge %1").arg(index);
    if (onJudge)
        onJudge(index);
}

void RecordingCheckPorts::writeCheckLine(int messages, const QString &userName, const QString &server)
{
    calls << QStringLiteral("log check %1 %2 %3").arg(messages).arg(userName, server);
}

void RecordingCheckPorts::writeErrorLine(const QString &text, const QString &userName, const QString &server)
{
    calls << QStringLiteral("log error %1 | %2 %3").arg(text, userName, server);
}

void RecordingCheckPorts::saveRuleTables()
{
    calls << QStringLiteral("saveRuleTables");
}

void RecordingCheckPorts::setMenuEnabled(bool enabled)
{
    calls << (enabled ? QStringLiteral("tray enabled") : QStringLiteral("tray disabled"));
}

void RecordingCheckPorts::setExitCaption(const QString &caption)
{
    calls << QStringLiteral("tray exit ") + caption;
}

void RecordingCheckPorts::showNormalIcon()
{
    calls << QStringLiteral("tray normalIcon");
}

} // namespace tarnwell::test
