#pragma once

#include "platform/pop3/Pop3Failure.h"
#include "platform/pop3/Pop3Reply.h"
#include "platform/pop3/Pop3ReplyReader.h"
#include "platform/pop3/ServerAddress.h"

#include <QObject>
#include <QSslSocket>
#include <QTimer>

#include <functional>

class QEventLoop;

namespace tarnwell {

class TlsTrust;

// One POP3 connection with calls that look synchronous: each waits for its answer
// in a local event loop, so the rest of the program keeps running meanwhile. The
// first failure (socket, TLS, time-out, bad reply, cancel) sticks: every later call
// returns false at once until the next open().
class Pop3Connection : public QObject
{
    Q_OBJECT
public:
    explicit Pop3Connection(TlsTrust &trust, QObject *parent = nullptr);
    ~Pop3Connection() override;

    // The longest wait for any sign of the server; 0 waits for ever.
    void setTimeOut(int milliseconds) { m_timeOutMs = milliseconds; }

    // Connects (with the TLS handshake first for the TLS transport) and reads the
    // greeting.
    bool open(const ServerAddress &address, Pop3Reply &greeting);
    // Upgrades the connection with TLS after the server accepted STLS.
    bool startTls();

    // Queues one command line; its reply is read with receive(), in order.
    void send(const QByteArray &command);
    bool receive(Pop3ReplyReader::Shape shape, Pop3Reply &reply,
                 qsizetype maxBlock = Pop3ReplyReader::kDefaultMaxBlock);
    bool command(const QByteArray &command, Pop3ReplyReader::Shape shape, Pop3Reply &reply);

    // Sends `count` commands keeping at most `window` replies outstanding.
    // commandFor(i) builds command i just before it is sent; handle(i, reply) takes
    // reply i as it arrives and returns false to stop. Both run in index order.
    bool pipeline(int count, int window, Pop3ReplyReader::Shape shape,
                  const std::function<QByteArray(int)> &commandFor,
                  const std::function<bool(int, const Pop3Reply &)> &handle);

    // Ends the connection at once; a server discards the deletions of a
    // connection that ends without QUIT.
    void abort();
    // Ends the connection after the QUIT reply.
    void close();

    bool isOpen() const;

    bool failed() const { return m_failure.kind != Pop3FailureKind::None; }
    const Pop3Failure &failure() const { return m_failure; }
    void clearFailure() { m_failure = {}; }
    // Records a failure (the first one wins) and ends a wait in progress.
    void fail(Pop3FailureKind kind, const QString &text);
    // A "-ERR" reply: a server failure whose text is the reply line.
    void failWith(const Pop3Reply &reply);

private:
    bool waitFor(const std::function<bool()> &done);
    void pump();
    void wake();
    void onReadyRead();
    void onSocketError(QAbstractSocket::SocketError error);
    void onSslErrors(const QList<QSslError> &errors);
    void onDisconnected();
    void onTimeOut();
    bool configureTls();

    TlsTrust &m_trust;
    QSslSocket m_socket;
    Pop3ReplyReader m_reader;
    QTimer m_timer;
    QEventLoop *m_loop = nullptr;
    QString m_host;
    int m_timeOutMs = 0;
    int m_outstanding = 0; // replies asked for and not yet read
    bool m_peerClosed = false;
    bool m_closing = false; // close() was called; what still comes is dropped
    QString m_closeText;
    Pop3Failure m_failure;
};

} // namespace tarnwell
