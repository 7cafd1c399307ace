#include "MessageListSource.h"

#include "mail/MessageListModel.h"
#include "platform/pop3/HeaderEntry.h"

namespace tarnwell {

int MessageListSource::messageCount() const
{
    return m_list.count();
}

MessageInput MessageListSource::message(int index) const
{
    const MessageRow &row = m_list.row(index);
    MessageInput input{row.subject, row.sender, row.realName, row.size, {}};
    if (index < m_headers.size())
        input.headerLines = m_headers.at(index).lines;
    return input;
}

Mark MessageListSource::mark(int index) const
{
    return m_list.mark(index);
}

void MessageListSource::setMark(int index, Mark mark)
{
    m_list.setMark(index, mark);
}

} // namespace tarnwell
