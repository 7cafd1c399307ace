#pragma once

#include "platform/pop3/Pop3Reply.h"

#include <QByteArray>
#include <QString>

namespace tarnwell {

// Cuts the bytes a POP3 server sends into replies. The caller says which shape of
// reply comes next (a status line alone, or a status line followed by a block that
// ends with "." when it is "+OK"). Bytes may be fed in any pieces; a reply is handed
// out once it is complete. Anything hostile (an overlong line, an oversized block,
// a line that is no status) puts the reader into a failed state with a text that
// says why; it then accepts nothing more.
class Pop3ReplyReader
{
public:
    enum class Shape { Status, MultiLine };
    enum class Result { NeedMore, Ready, Failed };

    static constexpr qsizetype kMaxLine = 1024 * 1024;             // without CR LF
    static constexpr qsizetype kDefaultMaxBlock = 10 * 1024 * 1024; // sum of a block's lines

    void feed(const QByteArray &bytes);

    // Reads one reply of the given shape from what has been fed. A reply may be
    // read in several calls (NeedMore in between), always with the same shape and
    // limit. maxBlock bounds the block of a multi-line reply.
    Result read(Shape shape, Pop3Reply &reply, qsizetype maxBlock = kDefaultMaxBlock);

    bool failed() const { return !m_error.isEmpty(); }
    const QString &error() const { return m_error; }

    // Bytes fed but not yet read into a reply.
    qsizetype pending() const { return m_buffer.size() - m_pos; }
    // True while a reply has been started but is not complete.
    bool inReply() const { return m_started; }

    void reset();

private:
    // The next complete line (without its terminator) or false when none is there.
    bool nextLine(QByteArray &line);
    void fail(const QString &text);
    void compact();

    QByteArray m_buffer;
    qsizetype m_pos = 0;  // start of the unread bytes
    qsizetype m_scan = 0; // bytes after m_pos already known to hold no LF
    qsizetype m_tail = 0; // length of the unfinished line at the end of the buffer

    bool m_started = false;
    Pop3Reply m_reply;
    qsizetype m_blockBytes = 0;
    QString m_error;
};

} // namespace tarnwell
