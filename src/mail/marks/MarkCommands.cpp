#include "MarkCommands.h"

#include "MarkCommandsWindow.h"

#include "classify/rules/Mark.h"
#include "mail/MessageJudge.h"
#include "mail/MessageListModel.h"
#include "platform/UserPrompter.h"

#include <algorithm>

namespace tarnwell {

void MarkCommands::btMarkClick(const QList<int> &selectedRows)
{
    m_window.stopAlarm();
    QList<int> rows = selectedRows;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.removeIf([this](int row) { return row < 0 || row >= m_list.count(); });
    if (rows.isEmpty())
        NadaSelected();
    for (int row : rows)
        m_list.setMark(row, m_list.mark(row) == kDeleteMark ? kNoMark : kDeleteMark);
    ShowTotalCount();
}

void MarkCommands::ResetButtonClick()
{
    clearMarks();
    ShowTotalCount();
}

void MarkCommands::btRemarkClick()
{
    m_window.stopAlarm();
    clearMarks();
    m_judge.MarkForDeletion(MessageJudge::kAllRows);
    if (m_list.markedCount() == 0)
        m_prompter.information(QString::fromLatin1(kNoneMatched));
    ShowTotalCount();
}

void MarkCommands::ShowTotalCount()
{
    m_window.showStatus(m_list.totalCountText());
}

void MarkCommands::NadaSelected()
{
    m_prompter.information(QString::fromLatin1(m_list.count() > 0 ? kNothingSelected : kNoMessagesListed));
}

void MarkCommands::clearMarks()
{
    for (int row = 0; row < m_list.count(); ++row)
        m_list.setMark(row, kNoMark);
}

} // namespace tarnwell
