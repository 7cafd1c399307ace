#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QTcpServer>

#include <memory>

class QTcpSocket;

namespace tarnwell::test {

// A POP3 server on 127.0.0.1 for what a real one will not do. By default it serves
// a small maildrop properly (USER alice / PASS secret, STAT, LIST, UIDL, TOP, RETR,
// DELE, RSET, NOOP, QUIT committing deletions); a test then scripts the step that
// is to go wrong: an "-ERR", a dropped connection, a stall, hostile bytes. It runs
// on the test's own event loop, which the client's waits keep turning.
class ScriptedPop3Server : public QObject
{
    Q_OBJECT
public:
    // What the server does in answer to a command (or in place of its greeting).
    struct Action
    {
        enum class Kind { Send, SendAndClose, SendAndStall };
        Kind kind = Kind::Send;
        QByteArray bytes; // sent exactly as given

        static Action send(const QByteArray &bytes) { return {Kind::Send, bytes}; }
        static Action error(const QByteArray &text = "-ERR no") { return {Kind::Send, text + "\r\n"}; }
        static Action close(const QByteArray &before = {}) { return {Kind::SendAndClose, before}; }
        // Sends `before`, then answers nothing any more on this connection.
        static Action stall(const QByteArray &before = {}) { return {Kind::SendAndStall, before}; }
    };

    explicit ScriptedPop3Server(QObject *parent = nullptr);
    ~ScriptedPop3Server() override;

    bool listen();
    quint16 port() const { return m_server.serverPort(); }
    // "127.0.0.1:PORT": the client reads it as plain text with STLS if offered.
    QString server() const;

    static QByteArray userName() { return "alice"; }
    static QByteArray password() { return "secret"; }

    // Whole messages with CR LF line ends; message n is messages[n-1].
    void setMessages(const QList<QByteArray> &messages);
    // The CAPA lines; by default TOP, UIDL, PIPELINING, USER. Without "UIDL" the
    // UIDL command is refused too.
    void setCapabilities(const QList<QByteArray> &capabilities);
    // CAPA answered with "-ERR", as servers older than RFC 2449 do.
    void refuseCapa() { m_capaRefused = true; }
    void setUniqueIds(const QList<QByteArray> &ids);
    void setGreeting(const Action &action) { m_greeting = action; }

    // The next `times` commands that begin with `command` (any case, e.g. "PASS",
    // "TOP 2", "UIDL") get this action instead of their proper answer; -1: all.
    void script(const QByteArray &command, const Action &action, int times = 1);

    // Ends every open connection now, unasked, after sending `before`.
    void dropConnections(const QByteArray &before = {});

    // Every command line received, over all connections, in order.
    const QList<QByteArray> &commands() const { return m_commands; }
    int connectionCount() const { return m_connections; }
    // The most command lines that arrived in one piece: above 1 the client pipelined.
    int mostCommandsAtOnce() const { return m_mostAtOnce; }
    // The messages deleted by a session that ended with QUIT, by number.
    const QList<int> &committedDeletions() const { return m_committed; }

private:
    struct Session;
    struct Scripted
    {
        QByteArray command;
        Action action;
        int times;
    };

    void onNewConnection();
    void onReadyRead(QTcpSocket *socket);
    void perform(Session &session, const Action &action);
    QByteArray answer(Session &session, const QByteArray &line);
    QByteArray multiLine(const QByteArray &status, const QList<QByteArray> &lines) const;
    bool scripted(const QByteArray &line, Action *action);

    QTcpServer m_server;
    QList<QByteArray> m_messages;
    QList<QByteArray> m_capabilities;
    QList<QByteArray> m_ids;
    bool m_capaRefused = false;
    Action m_greeting = Action::send("+OK scripted POP3 server ready\r\n");
    QList<Scripted> m_script;
    QList<QByteArray> m_commands;
    QList<int> m_committed;
    int m_connections = 0;
    int m_mostAtOnce = 0;
    std::vector<std::unique_ptr<Session>> m_sessions;
};

} // namespace tarnwell::test
