#pragma once

#include "classify/pipeline/MessageSource.h"

#include <QByteArray>
#include <QList>

#include <optional>
#include <vector>

namespace tarnwell::test {

// Messages as plain data for the classifier.
class PlainMessages final : public MessageSource
{
public:
    struct Row
    {
        MessageInput input;
        Mark mark = kNoMark;
    };

    int add(MessageInput input, Mark mark = kNoMark)
    {
        m_rows.push_back({std::move(input), mark});
        return int(m_rows.size()) - 1;
    }
    void clear() { m_rows.clear(); }

    int messageCount() const override { return int(m_rows.size()); }
    MessageInput message(int index) const override { return m_rows.at(size_t(index)).input; }
    Mark mark(int index) const override { return m_rows.at(size_t(index)).mark; }
    void setMark(int index, Mark mark) override { m_rows.at(size_t(index)).mark = mark; }

private:
    std::vector<Row> m_rows;
};

// A message from `address` with the display name, subject and further header lines;
// its header lines hold "From", "Subject", the extra lines and the closing empty line.
inline MessageInput mail(const QByteArray &address, const QByteArray &realName, const QByteArray &subject,
                         const QList<QByteArray> &extraLines = {}, std::optional<qint64> size = 1000)
{
    MessageInput input{subject, address, realName, size, {}};
    input.headerLines.append("From: \"" + realName + "\" <" + address + ">");
    input.headerLines.append("Subject: " + subject);
    input.headerLines.append(extraLines);
    input.headerLines.append(QByteArray());
    return input;
}

} // namespace tarnwell::test
