#include "ScriptedPop3Server.h"

#include <QSet>
#include <QTcpSocket>

#include <vector>

namespace tarnwell::test {

struct ScriptedPop3Server::Session
{
    QTcpSocket *socket = nullptr;
    QByteArray buffer;
    bool stalled = false;
    bool closed = false;
    bool quitting = false;
    QByteArray user;
    bool loggedIn = false;
    QSet<int> deleted;
};

ScriptedPop3Server::ScriptedPop3Server(QObject *parent) : QObject(parent)
{
    m_capabilities = {"TOP", "UIDL", "PIPELINING", "USER"};
    connect(&m_server, &QTcpServer::newConnection, this, &ScriptedPop3Server::onNewConnection);
}

ScriptedPop3Server::~ScriptedPop3Server()
{
    for (auto &session : m_sessions) {
        if (session->socket)
            session->socket->abort();
    }
}

bool ScriptedPop3Server::listen()
{
    return m_server.listen(QHostAddress::LocalHost, 0);
}

QString ScriptedPop3Server::server() const
{
    return QStringLiteral("127.0.0.1:") + QString::number(port());
}

void ScriptedPop3Server::setMessages(const QList<QByteArray> &messages)
{
    m_messages = messages;
}

void ScriptedPop3Server::setCapabilities(const QList<QByteArray> &capabilities)
{
    m_capabilities = capabilities;
}

void ScriptedPop3Server::setUniqueIds(const QList<QByteArray> &ids)
{
    m_ids = ids;
}

void ScriptedPop3Server::script(const QByteArray &command, const Action &action, int times)
{
    m_script.append({command, action, times});
}

void ScriptedPop3Server::dropConnections(const QByteArray &before)
{
    for (auto &session : m_sessions) {
        if (!session->closed)
            perform(*session, Action::close(before));
    }
}

void ScriptedPop3Server::onNewConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        ++m_connections;
        auto session = std::make_unique<Session>();
        session->socket = socket;
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        Session &ref = *session;
        m_sessions.push_back(std::move(session));
        perform(ref, m_greeting);
    }
}

void ScriptedPop3Server::onReadyRead(QTcpSocket *socket)
{
    Session *session = nullptr;
    for (auto &s : m_sessions) {
        if (s->socket == socket)
            session = s.get();
    }
    if (!session)
        return;
    session->buffer += socket->readAll();
    int lines = 0;
    QByteArray out;
    for (;;) {
        const qsizetype lf = session->buffer.indexOf('\n');
        if (lf < 0)
            break;
        QByteArray line = session->buffer.left(lf);
        session->buffer.remove(0, lf + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        ++lines;
        m_commands.append(line);
        if (session->stalled || session->closed)
            continue;
        Action action;
        if (scripted(line, &action)) {
            // What was answered so far goes out first, in order.
            if (!out.isEmpty()) {
                socket->write(out);
                out.clear();
            }
            perform(*session, action);
        } else {
            out += answer(*session, line);
        }
        if (session->quitting) {
            socket->write(out);
            out.clear();
            session->closed = true;
            socket->disconnectFromHost();
        }
    }
    if (!out.isEmpty() && !session->closed)
        socket->write(out);
    m_mostAtOnce = qMax(m_mostAtOnce, lines);
}

bool ScriptedPop3Server::scripted(const QByteArray &line, Action *action)
{
    for (qsizetype i = 0; i < m_script.size(); ++i) {
        Scripted &s = m_script[i];
        const QByteArray upper = line.toUpper();
        const QByteArray wanted = s.command.toUpper();
        // "TOP 1" must not match "TOP 10".
        if (!upper.startsWith(wanted) || (upper.size() > wanted.size() && upper.at(wanted.size()) != ' '))
            continue;
        *action = s.action;
        if (s.times > 0 && --s.times == 0)
            m_script.removeAt(i);
        return true;
    }
    return false;
}

void ScriptedPop3Server::perform(Session &session, const Action &action)
{
    if (!action.bytes.isEmpty())
        session.socket->write(action.bytes);
    switch (action.kind) {
    case Action::Kind::Send:
        break;
    case Action::Kind::SendAndClose:
        session.closed = true;
        session.socket->disconnectFromHost();
        break;
    case Action::Kind::SendAndStall:
        session.stalled = true;
        break;
    }
}

QByteArray ScriptedPop3Server::multiLine(const QByteArray &status, const QList<QByteArray> &lines) const
{
    QByteArray out = status + "\r\n";
    for (const QByteArray &line : lines)
        out += (line.startsWith('.') ? "." + line : line) + "\r\n";
    return out + ".\r\n";
}

QByteArray ScriptedPop3Server::answer(Session &session, const QByteArray &line)
{
    const QList<QByteArray> words = line.split(' ');
    const QByteArray verb = words.value(0).toUpper();
    const auto number = [&](int at) {
        bool ok = false;
        const int n = words.value(at).toInt(&ok);
        return ok ? n : -1;
    };
    const auto exists = [&](int n) { return n >= 1 && n <= m_messages.size() && !session.deleted.contains(n); };
    const auto idOf = [&](int n) { return m_ids.value(n - 1, "uid-" + QByteArray::number(n)); };
    const bool offersIds = m_capabilities.contains("UIDL");

    if (verb == "CAPA") {
        if (m_capaRefused)
            return "-ERR unknown command\r\n";
        return multiLine("+OK capability list follows", m_capabilities);
    }
    if (verb == "QUIT") {
        if (session.loggedIn) {
            QList<int> numbers = session.deleted.values();
            std::sort(numbers.begin(), numbers.end());
            m_committed += numbers;
        }
        session.quitting = true;
        return "+OK bye\r\n";
    }
    if (!session.loggedIn) {
        if (verb == "USER") {
            session.user = words.value(1);
            return "+OK\r\n";
        }
        if (verb == "PASS") {
            if (session.user == userName() && line.mid(5) == password()) {
                session.loggedIn = true;
                return "+OK logged in\r\n";
            }
            return "-ERR [AUTH] Authentication failed.\r\n";
        }
        return "-ERR not logged in\r\n";
    }
    if (verb == "STAT") {
        qint64 total = 0;
        int count = 0;
        for (int n = 1; n <= m_messages.size(); ++n) {
            if (exists(n)) {
                ++count;
                total += m_messages.at(n - 1).size();
            }
        }
        return "+OK " + QByteArray::number(count) + " " + QByteArray::number(total) + "\r\n";
    }
    if (verb == "LIST" || (verb == "UIDL" && offersIds)) {
        const auto describe = [&](int n) {
            return QByteArray::number(n) + " "
                   + (verb == "LIST" ? QByteArray::number(m_messages.at(n - 1).size()) : idOf(n));
        };
        if (words.size() > 1) {
            const int n = number(1);
            return exists(n) ? "+OK " + describe(n) + "\r\n" : QByteArray("-ERR no such message\r\n");
        }
        QList<QByteArray> lines;
        for (int n = 1; n <= m_messages.size(); ++n) {
            if (exists(n))
                lines.append(describe(n));
        }
        return multiLine("+OK", lines);
    }
    if (verb == "TOP" || verb == "RETR") {
        const int n = number(1);
        if (!exists(n))
            return "-ERR no such message\r\n";
        QList<QByteArray> lines = m_messages.at(n - 1).split('\n');
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        for (QByteArray &l : lines) {
            if (l.endsWith('\r'))
                l.chop(1);
        }
        if (verb == "TOP") {
            const int bodyLines = qMax(0, number(2));
            const qsizetype headerEnd = lines.indexOf(QByteArray());
            if (headerEnd >= 0)
                lines = lines.mid(0, headerEnd + 1 + bodyLines);
        }
        return multiLine("+OK", lines);
    }
    if (verb == "DELE") {
        const int n = number(1);
        if (!exists(n))
            return "-ERR no such message\r\n";
        session.deleted.insert(n);
        return "+OK deleted\r\n";
    }
    if (verb == "RSET") {
        session.deleted.clear();
        return "+OK\r\n";
    }
    if (verb == "NOOP")
        return "+OK\r\n";
    return "-ERR unknown command\r\n";
}

} // namespace tarnwell::test
