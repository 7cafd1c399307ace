#pragma once

#include <QObject>

namespace tarnwell {

class Pop3Client;
struct CheckRunPorts;

// Shows what the POP3 client is doing: status texts, the progress dialog's message
// and bar, the error line of the activity log, and the window's return to normal
// after a cancel. Silent unless a run has switched it on.
class Pop3EventReporter : public QObject
{
    Q_OBJECT
public:
    Pop3EventReporter(Pop3Client &client, const CheckRunPorts &ports, QObject *parent = nullptr);

    void setActive(bool active) { m_active = active; }
    bool isActive() const { return m_active; }

private:
    void status(const QString &text) const;
    void progressMessage(const QString &text) const;
    void opened() const;
    void updatingInfo() const;
    void transferring() const;
    void canceled() const;
    void error(const QString &text) const;

    Pop3Client &m_client;
    const CheckRunPorts &m_ports;
    bool m_active = false;
};

} // namespace tarnwell
