#include "Pop3Connection.h"

#include "platform/ByteText.h"
#include "platform/pop3/Pop3Texts.h"
#include "platform/pop3/TlsTrust.h"

#include <QEventLoop>

namespace tarnwell {

namespace {

// Bytes taken from the socket ahead of the reply being read. Beyond this the
// socket keeps them, and beyond its own buffer the kernel holds the server back.
constexpr qsizetype kMaxAhead = 2 * 1024 * 1024;
constexpr qint64 kSocketBuffer = 1024 * 1024;
constexpr qint64 kReadChunk = 64 * 1024;

} // namespace

Pop3Connection::Pop3Connection(TlsTrust &trust, QObject *parent) : QObject(parent), m_trust(trust)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &Pop3Connection::onTimeOut);
    connect(&m_socket, &QSslSocket::readyRead, this, &Pop3Connection::onReadyRead);
    connect(&m_socket, &QSslSocket::errorOccurred, this, &Pop3Connection::onSocketError);
    connect(&m_socket, &QSslSocket::sslErrors, this, &Pop3Connection::onSslErrors);
    connect(&m_socket, &QSslSocket::disconnected, this, &Pop3Connection::onDisconnected);
    connect(&m_socket, &QSslSocket::connected, this, &Pop3Connection::wake);
    connect(&m_socket, &QSslSocket::encrypted, this, &Pop3Connection::wake);
    m_socket.setReadBufferSize(kSocketBuffer);
}

Pop3Connection::~Pop3Connection()
{
    m_socket.abort();
}

bool Pop3Connection::isOpen() const
{
    return !m_peerClosed && !m_closing && m_socket.state() == QAbstractSocket::ConnectedState;
}

bool Pop3Connection::open(const ServerAddress &address, Pop3Reply &greeting)
{
    if (m_socket.state() != QAbstractSocket::UnconnectedState)
        m_socket.abort();
    m_reader.reset();
    m_outstanding = 0;
    m_peerClosed = false;
    m_closing = false;
    m_closeText.clear();
    m_host = address.host;
    if (failed())
        return false;
    if (!address.isValid()) {
        fail(Pop3FailureKind::Network, Pop3Texts::cannotResolve());
        return false;
    }

    // Connecting asks for the greeting, which may come with the connection itself.
    ++m_outstanding;
    if (address.transport == Pop3Transport::Tls) {
        if (!configureTls())
            return false;
        m_socket.connectToHostEncrypted(address.host, address.port);
        if (!waitFor([this] { return m_socket.isEncrypted(); }))
            return false;
    } else {
        m_socket.connectToHost(address.host, address.port);
        if (!waitFor([this] { return m_socket.state() == QAbstractSocket::ConnectedState; }))
            return false;
    }
    return receive(Pop3ReplyReader::Shape::Status, greeting);
}

bool Pop3Connection::configureTls()
{
    QString error;
    if (!m_trust.configure(m_socket, m_host, &error)) {
        fail(Pop3FailureKind::Network, error);
        return false;
    }
    return true;
}

bool Pop3Connection::startTls()
{
    if (failed())
        return false;
    // Plain-text bytes that came after the STLS reply would otherwise be read as
    // if they had come through TLS.
    if (m_reader.pending() > 0 || m_socket.bytesAvailable() > 0) {
        fail(Pop3FailureKind::Network, QStringLiteral("The server sent data before the TLS handshake"));
        return false;
    }
    if (!configureTls())
        return false;
    m_socket.startClientEncryption();
    if (!waitFor([this] { return m_socket.isEncrypted(); }))
        return false;
    m_reader.reset();
    return true;
}

void Pop3Connection::send(const QByteArray &command)
{
    if (failed())
        return;
    m_socket.write(command + "\r\n");
    ++m_outstanding;
}

bool Pop3Connection::receive(Pop3ReplyReader::Shape shape, Pop3Reply &reply, qsizetype maxBlock)
{
    bool ready = false;
    const bool ok = waitFor([&] {
        const auto result = m_reader.read(shape, reply, maxBlock);
        if (result == Pop3ReplyReader::Result::Failed)
            fail(Pop3FailureKind::Network, m_reader.error());
        ready = result == Pop3ReplyReader::Result::Ready;
        return ready;
    });
    if (ok && ready)
        --m_outstanding;
    return ok && ready;
}

bool Pop3Connection::command(const QByteArray &command, Pop3ReplyReader::Shape shape, Pop3Reply &reply)
{
    send(command);
    return receive(shape, reply);
}

bool Pop3Connection::pipeline(int count, int window, Pop3ReplyReader::Shape shape,
                              const std::function<QByteArray(int)> &commandFor,
                              const std::function<bool(int, const Pop3Reply &)> &handle)
{
    window = qMax(1, window);
    int sent = 0;
    for (int received = 0; received < count; ++received) {
        while (sent < count && sent - received < window) {
            const QByteArray line = commandFor(sent);
            if (failed())
                return false;
            send(line);
            ++sent;
        }
        Pop3Reply reply;
        if (!receive(shape, reply))
            return false;
        if (!handle(received, reply) || failed())
            return false;
    }
    return true;
}

void Pop3Connection::abort()
{
    m_timer.stop();
    m_socket.abort();
    m_outstanding = 0;
    m_reader.reset();
}

void Pop3Connection::close()
{
    m_timer.stop();
    m_outstanding = 0;
    m_closing = true;
    m_reader.reset();
    // Lets a queued QUIT go out first.
    m_socket.disconnectFromHost();
}

void Pop3Connection::fail(Pop3FailureKind kind, const QString &text)
{
    if (!failed())
        m_failure = {kind, text};
    wake();
}

void Pop3Connection::failWith(const Pop3Reply &reply)
{
    constexpr qsizetype kLongestText = 512;
    fail(Pop3FailureKind::Server, displayText(reply.status.left(kLongestText)).trimmed());
}

bool Pop3Connection::waitFor(const std::function<bool()> &done)
{
    if (failed())
        return false;
    if (m_timeOutMs > 0)
        m_timer.start(m_timeOutMs);
    bool result = false;
    for (;;) {
        pump();
        if (failed())
            break;
        if (done()) {
            result = !failed();
            break;
        }
        if (failed())
            break;
        if (m_socket.bytesAvailable() > 0 && m_reader.pending() < kMaxAhead)
            continue;
        if (m_peerClosed) {
            fail(Pop3FailureKind::Network, m_closeText);
            break;
        }
        QEventLoop loop;
        m_loop = &loop;
        loop.exec();
        m_loop = nullptr;
    }
    m_timer.stop();
    return result;
}

void Pop3Connection::pump()
{
    while (!m_reader.failed() && m_reader.pending() < kMaxAhead && m_socket.bytesAvailable() > 0) {
        m_reader.feed(m_socket.read(kReadChunk));
        // Anything that arrives while no reply is awaited is not POP3.
        if (m_outstanding == 0) {
            fail(Pop3FailureKind::Network, QStringLiteral("The server sent data that was not asked for"));
            m_socket.abort();
            return;
        }
    }
    if (m_reader.failed())
        fail(Pop3FailureKind::Network, m_reader.error());
}

void Pop3Connection::wake()
{
    if (m_loop)
        m_loop->quit();
}

void Pop3Connection::onReadyRead()
{
    if (m_closing) {
        m_socket.readAll();
        return;
    }
    if (m_timer.isActive())
        m_timer.start();
    if (!m_loop && m_outstanding == 0)
        pump();
    wake();
}

void Pop3Connection::onSocketError(QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::HostNotFoundError:
        fail(Pop3FailureKind::Network, Pop3Texts::cannotResolve());
        break;
    case QAbstractSocket::RemoteHostClosedError:
        onDisconnected();
        break;
    default: {
        const QString text = m_socket.errorString();
        fail(Pop3FailureKind::Network,
             text.isEmpty() ? QStringLiteral("Error #") + QString::number(int(error)) : text);
        break;
    }
    }
}

void Pop3Connection::onSslErrors(const QList<QSslError> &errors)
{
    // Never ignored: a certificate that does not verify ends the connection.
    fail(Pop3FailureKind::Network, TlsTrust::describe(errors, m_host));
}

void Pop3Connection::onDisconnected()
{
    if (!m_peerClosed) {
        m_peerClosed = true;
        m_closeText = m_reader.inReply()
                          ? QStringLiteral("The server closed the connection in the middle of a reply")
                          : QStringLiteral("The server closed the connection");
    }
    wake();
}

void Pop3Connection::onTimeOut()
{
    fail(Pop3FailureKind::Network, Pop3Texts::timedOut());
}

} // namespace tarnwell
