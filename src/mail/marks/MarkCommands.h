#pragma once

#include <QList>

namespace tarnwell {

class MarkCommandsWindow;
class MessageJudge;
class MessageListModel;
class UserPrompter;

// The message list's mark commands. The window forwards its buttons, the double
// click, the keys M, R and A and its selection (row indexes) here.
class MarkCommands
{
public:
    static constexpr const char *kNoneMatched = "None of the messages matched any of the spam criteria.";
    static constexpr const char *kNothingSelected =
        "No messages were selected.  To select one message click on a subject.  To select multiple messages drag "
        "the mouse over the list of desired subjects.";
    static constexpr const char *kNoMessagesListed =
        "Either there are no e-mail messages waiting on the mail server or you have not yet clicked on the "
        "\"Check E-Mail\" button.";

    MarkCommands(MessageListModel &list, MessageJudge &judge, UserPrompter &prompter, MarkCommandsWindow &window)
        : m_list(list), m_judge(judge), m_prompter(prompter), m_window(window)
    {
    }

    // "&Mark msgs": each selected row with the delete mark gets no mark, every other
    // selected row the delete mark; with nothing selected, NadaSelected. Rows outside
    // the list are ignored.
    void btMarkClick(const QList<int> &selectedRows);
    // "&Reset all marks": no row keeps a mark.
    void ResetButtonClick();
    // "&Auto mark msgs": every mark cleared, every row judged again.
    void btRemarkClick();

    // Status panel 2: "Message Total: n Number Marked: m".
    void ShowTotalCount();
    // The information shown by a command that needs a selection when there is none.
    void NadaSelected();

private:
    void clearMarks();

    MessageListModel &m_list;
    MessageJudge &m_judge;
    UserPrompter &m_prompter;
    MarkCommandsWindow &m_window;
};

} // namespace tarnwell
