#pragma once

#include "platform/pop3/HeaderEntry.h"
#include "platform/pop3/Pop3Failure.h"

#include <QList>
#include <QObject>
#include <QString>

#include <memory>

namespace tarnwell {

class DialUpConnector;

// The POP3 client the mail commands share. Every operation is synchronous for its
// caller but runs a local event loop while it waits, so the window, the Cancel
// buttons and other commands keep working; its events are Qt signals, in order.
//
// The server text chooses the transport: "pop3s://host[:port]" or port 995 is TLS
// from the first byte, "pop3://host[:port]" is plain text only, a bare "host" or
// "host:port" upgrades with STLS when the server offers it. Certificates must verify
// against the system's CAs or those of the PEM file named by TARNWELL_CA_FILE.
//
// Events: ListHeaders raises OnOpen (when it connects), OnUpdatingInfo, one
// OnNextInfoUpdated per message in server order as its header arrives, OnClosing and
// OnClosed (unless KeepConnected), OnInfoUpdated. ExecuteFlagged raises OnOpen (when
// it connects), OnTransferringData, per flagged entry in index order OnRetrieving,
// OnUserMessageSave, OnRetrieved and/or OnDeleting, then OnDataTransfered, OnClosing,
// OnClosed. A failure ends the connection at once (no QUIT, so the server forgets
// the session's deletions); a cancel raises OnCancel; every failure but a "-ERR"
// reply raises OnError with its text.
//
// ExecuteFlagged in a session other than the listing's finds each flagged entry
// again by its UIDL (or, without one, by number, size and header) and acts on
// nothing when one is no longer there as listed.
//
// The client must outlive its calls: do not destroy it from an event handler.
class Pop3Client : public QObject
{
    Q_OBJECT
public:
    explicit Pop3Client(QObject *parent = nullptr);
    ~Pop3Client() override;

    // Settings.
    void setServer(const QString &server);
    QString server() const;
    void setUserName(const QString &userName);
    QString userName() const;
    void setPassword(const QString &password);
    QString password() const;
    void setDefaultPort(quint16 port);       // 110
    quint16 defaultPort() const;
    void setTimeOut(int seconds);            // 2400; 0 waits for ever
    int timeOut() const;
    void setMessageDirectory(const QString &folder);
    QString messageDirectory() const;
    void setKeepConnected(bool keep);
    bool keepConnected() const;
    void setDialUp(DialUpConnector *connector); // nullptr detaches

    // Operations; each returns false on failure, lastFailure() tells why.
    bool ListHeaders();
    void FlagForDeletion(int index);
    void FlagForRetrieval(int index);
    void ClearFlags();
    bool ExecuteFlagged();
    void Cancel();
    bool IsConnected() const;
    void Disconnect();

    const Pop3Failure &lastFailure() const;
    // The header list of the last listing; entry i is server message i+1.
    const QList<HeaderEntry> &headers() const;
    // The number of waiting messages the server reported at login.
    int messageCount() const;

signals:
    void OnOpen();
    void OnUpdatingInfo();
    void OnNextInfoUpdated(int index);
    void OnInfoUpdated();
    void OnTransferringData();
    void OnRetrieving(int index);
    void OnRetrieved(int index);
    void OnUserMessageSave(int index, const QByteArray &message);
    void OnDeleting(int index);
    void OnDataTransfered();
    void OnClosing();
    void OnClosed();
    void OnCancel();
    void OnError(const QString &text);

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace tarnwell
