#include "Pop3ReplyReader.h"

#include <cstring>

namespace tarnwell {

namespace {

// A short printable excerpt of a bad line for the failure text.
QString excerpt(const QByteArray &line)
{
    constexpr qsizetype kShown = 40;
    QString shown;
    for (qsizetype i = 0; i < line.size() && i < kShown; ++i) {
        const uchar c = uchar(line.at(i));
        shown += (c >= 0x20 && c < 0x7f) ? QChar(c) : QChar(u'?');
    }
    if (line.size() > kShown)
        shown += QStringLiteral("...");
    return shown;
}

bool isStatus(const QByteArray &line, bool *ok)
{
    if (line.startsWith("+OK") && (line.size() == 3 || line.at(3) == ' ')) {
        *ok = true;
        return true;
    }
    if (line.startsWith("-ERR") && (line.size() == 4 || line.at(4) == ' ')) {
        *ok = false;
        return true;
    }
    return false;
}

} // namespace

void Pop3ReplyReader::feed(const QByteArray &bytes)
{
    if (failed() || bytes.isEmpty())
        return;
    compact();
    m_buffer.append(bytes);
    // Refuse an overlong line as soon as it is seen, not when its end arrives.
    const qsizetype lastLf = bytes.lastIndexOf('\n');
    m_tail = lastLf < 0 ? m_tail + bytes.size() : bytes.size() - lastLf - 1;
    if (m_tail > kMaxLine + 1)
        fail(QStringLiteral("The server sent a line longer than 1 MiB"));
}

bool Pop3ReplyReader::nextLine(QByteArray &line)
{
    const char *start = m_buffer.constData() + m_pos;
    const qsizetype unread = m_buffer.size() - m_pos;
    const void *lf = std::memchr(start + m_scan, '\n', size_t(unread - m_scan));
    if (!lf) {
        m_scan = unread;
        return false;
    }
    qsizetype length = static_cast<const char *>(lf) - start;
    const qsizetype consumed = length + 1;
    if (length > 0 && start[length - 1] == '\r')
        --length;
    if (length > kMaxLine) {
        fail(QStringLiteral("The server sent a line longer than 1 MiB"));
        return false;
    }
    line = QByteArray(start, length);
    m_pos += consumed;
    m_scan = 0;
    return true;
}

Pop3ReplyReader::Result Pop3ReplyReader::read(Shape shape, Pop3Reply &reply, qsizetype maxBlock)
{
    QByteArray line;
    while (!failed()) {
        if (!nextLine(line))
            break;
        if (!m_started) {
            bool ok = false;
            if (!isStatus(line, &ok)) {
                fail(QStringLiteral("The server sent an invalid reply: ") + excerpt(line));
                break;
            }
            m_started = true;
            m_reply = Pop3Reply{ok, line, {}};
            m_blockBytes = 0;
            if (shape == Shape::Status || !ok) {
                reply = std::move(m_reply);
                m_reply = {};
                m_started = false;
                return Result::Ready;
            }
            continue;
        }
        if (line == ".") {
            reply = std::move(m_reply);
            m_reply = {};
            m_started = false;
            return Result::Ready;
        }
        if (line.startsWith('.'))
            line.remove(0, 1);
        m_blockBytes += line.size() + 2;
        if (m_blockBytes > maxBlock) {
            fail(maxBlock == kDefaultMaxBlock
                     ? QStringLiteral("The server sent a reply larger than 10 MiB")
                     : QStringLiteral("The server sent a reply larger than %1 bytes").arg(maxBlock));
            break;
        }
        m_reply.lines.append(line);
    }
    return failed() ? Result::Failed : Result::NeedMore;
}

void Pop3ReplyReader::fail(const QString &text)
{
    if (m_error.isEmpty())
        m_error = text;
    m_buffer.clear();
    m_pos = 0;
    m_scan = 0;
    m_tail = 0;
    m_reply = {};
    m_started = false;
}

void Pop3ReplyReader::compact()
{
    if (m_pos > 0 && m_pos * 2 >= m_buffer.size()) {
        m_buffer.remove(0, m_pos);
        m_pos = 0;
    }
}

void Pop3ReplyReader::reset()
{
    m_buffer.clear();
    m_pos = 0;
    m_scan = 0;
    m_tail = 0;
    m_started = false;
    m_reply = {};
    m_blockBytes = 0;
    m_error.clear();
}

} // namespace tarnwell
