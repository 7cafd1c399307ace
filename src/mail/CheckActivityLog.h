#pragma once

class QString;

namespace tarnwell {

// The activity log's lines that belong to a check. The writer opens the log, adds
// its time stamp, writes one line and closes it; with no log path it writes nothing.
class CheckActivityLog
{
public:
    virtual ~CheckActivityLog() = default;
    // At the end of every check that reached the server, also failed or cancelled.
    virtual void writeCheckLine(int messages, const QString &userName, const QString &server) = 0;
    // For every error the POP3 client reports during a check.
    virtual void writeErrorLine(const QString &text, const QString &userName, const QString &server) = 0;
};

} // namespace tarnwell
