#pragma once

#include "classify/pipeline/MessageSource.h"

#include <QList>

namespace tarnwell {

class MessageListModel;
struct HeaderEntry;

// The classifier's view of the message list: row i of the list and entry i of the
// POP3 client's header list (Pop3Client::headers(), which stays the same object
// from listing to listing). A row without a header entry has no header lines.
class MessageListSource final : public MessageSource
{
public:
    MessageListSource(MessageListModel &list, const QList<HeaderEntry> &headers) : m_list(list), m_headers(headers) {}

    int messageCount() const override;
    MessageInput message(int index) const override;
    Mark mark(int index) const override;
    void setMark(int index, Mark mark) override;

private:
    MessageListModel &m_list;
    const QList<HeaderEntry> &m_headers;
};

} // namespace tarnwell
