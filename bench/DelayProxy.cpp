#include "DelayProxy.h"

#include <QTcpSocket>

DelayProxy::DelayProxy(quint16 targetPort, int oneWayDelayMs)
    : m_targetPort(targetPort), m_delayMs(oneWayDelayMs), m_server(this)
{
    m_clock.start();
    connect(&m_server, &QTcpServer::newConnection, this, &DelayProxy::onNewConnection);
}

DelayProxy::~DelayProxy() = default;

quint16 DelayProxy::listen()
{
    if (!m_server.listen(QHostAddress::LocalHost, 0))
        return 0;
    return m_server.serverPort();
}

void DelayProxy::onNewConnection()
{
    while (QTcpSocket *client = m_server.nextPendingConnection()) {
        auto pair = std::make_unique<Pair>();
        auto *server = new QTcpSocket(this);
        client->setParent(this);
        client->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        server->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        pair->up.from = client;
        pair->up.to = server;
        pair->down.from = server;
        pair->down.to = client;
        for (Direction *d : {&pair->up, &pair->down}) {
            d->timer.setSingleShot(true);
            d->timer.setTimerType(Qt::PreciseTimer);
            connect(&d->timer, &QTimer::timeout, this, [this, d] { flush(*d); });
            connect(d->from, &QTcpSocket::readyRead, this, [this, d] { relay(*d); });
            connect(d->from, &QTcpSocket::disconnected, this, [this, d] {
                relay(*d);
                d->ended = true;
                if (d->queue.empty())
                    d->to->disconnectFromHost();
            });
        }
        server->connectToHost(QHostAddress::LocalHost, m_targetPort);
        m_pairs.push_back(std::move(pair));
    }
}

void DelayProxy::relay(Direction &direction)
{
    const QByteArray bytes = direction.from->readAll();
    if (bytes.isEmpty())
        return;
    direction.queue.push_back({m_clock.elapsed() + m_delayMs, bytes});
    if (!direction.timer.isActive())
        direction.timer.start(m_delayMs);
}

void DelayProxy::flush(Direction &direction)
{
    const qint64 now = m_clock.elapsed();
    while (!direction.queue.empty() && direction.queue.front().due <= now) {
        // Data for a server connection still being made waits in its write buffer.
        direction.to->write(direction.queue.front().bytes);
        direction.queue.pop_front();
    }
    if (!direction.queue.empty())
        direction.timer.start(int(qMax<qint64>(0, direction.queue.front().due - now)));
    else if (direction.ended)
        direction.to->disconnectFromHost(); // the close travels as late as the data
}
