#include "Pop3EventReporter.h"

#include "CheckActivityLog.h"
#include "CheckRunPorts.h"
#include "CheckRunWindow.h"
#include "ProgressDisplay.h"
#include "TrayMenu.h"

#include "platform/pop3/Pop3Client.h"

namespace tarnwell {

Pop3EventReporter::Pop3EventReporter(Pop3Client &client, const CheckRunPorts &ports, QObject *parent)
    : QObject(parent), m_client(client), m_ports(ports)
{
    connect(&client, &Pop3Client::OnOpen, this, &Pop3EventReporter::opened);
    connect(&client, &Pop3Client::OnUpdatingInfo, this, &Pop3EventReporter::updatingInfo);
    connect(&client, &Pop3Client::OnTransferringData, this, &Pop3EventReporter::transferring);
    connect(&client, &Pop3Client::OnDataTransfered, this,
            [this] { status(QStringLiteral("Data has been transfered")); });
    connect(&client, &Pop3Client::OnClosing, this, [this] { status(QStringLiteral("Closing connection")); });
    connect(&client, &Pop3Client::OnClosed, this, [this] { status(QStringLiteral("Connection closed")); });
    connect(&client, &Pop3Client::OnCancel, this, &Pop3EventReporter::canceled);
    connect(&client, &Pop3Client::OnError, this, &Pop3EventReporter::error);
}

void Pop3EventReporter::status(const QString &text) const
{
    if (m_active && m_ports.window)
        m_ports.window->showStatus(text);
}

void Pop3EventReporter::progressMessage(const QString &text) const
{
    if (m_active && m_ports.progress) {
        m_ports.progress->setMessage(text);
        m_ports.progress->hideBar();
    }
}

void Pop3EventReporter::opened() const
{
    progressMessage(QStringLiteral("Opening connection ... "));
    status(QStringLiteral("Opening connection for %1 on %2").arg(m_client.userName(), m_client.server()));
}

void Pop3EventReporter::updatingInfo() const
{
    progressMessage(QStringLiteral("Updating headers ... "));
    status(QStringLiteral("Updating headers"));
}

void Pop3EventReporter::transferring() const
{
    if (m_active && m_ports.progress)
        m_ports.progress->setMessage(QStringLiteral("Transferring data ... "));
    status(QStringLiteral("Transferring data"));
}

void Pop3EventReporter::canceled() const
{
    if (!m_active)
        return;
    status(QStringLiteral("Operation has been canceled"));
    if (m_ports.window) {
        m_ports.window->showExitAsCancel(false);
        m_ports.window->updateCheckPicture();
    }
    if (m_ports.tray) {
        m_ports.tray->setExitCaption(QStringLiteral("Exit"));
        m_ports.tray->showNormalIcon();
    }
}

void Pop3EventReporter::error(const QString &text) const
{
    if (!m_active)
        return;
    status(text);
    if (m_ports.window)
        m_ports.window->updateCheckPicture();
    if (m_ports.log)
        m_ports.log->writeErrorLine(text, m_client.userName(), m_client.server());
}

} // namespace tarnwell
