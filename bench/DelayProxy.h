#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTcpServer>
#include <QTimer>

#include <deque>
#include <memory>
#include <vector>

class QTcpSocket;

// A TCP relay on 127.0.0.1 that holds every piece of data for a fixed time in each
// direction, so that a loopback server looks like one across a slow network: a
// one-way delay of d gives a round trip of 2d.
class DelayProxy : public QObject
{
    Q_OBJECT
public:
    DelayProxy(quint16 targetPort, int oneWayDelayMs);
    ~DelayProxy() override;

    // Called in the proxy's own thread (moveToThread takes its server along).
    Q_INVOKABLE quint16 listen();

private:
    struct Pending
    {
        qint64 due;
        QByteArray bytes;
    };
    struct Direction
    {
        QTcpSocket *from = nullptr;
        QTcpSocket *to = nullptr;
        std::deque<Pending> queue;
        QTimer timer;
        bool ended = false; // `from` closed; `to` follows once the queue is out
    };
    struct Pair
    {
        Direction up;   // client to server
        Direction down; // server to client
    };

    void onNewConnection();
    void relay(Direction &direction);
    void flush(Direction &direction);

    quint16 m_targetPort;
    int m_delayMs;
    QTcpServer m_server;
    QElapsedTimer m_clock;
    std::vector<std::unique_ptr<Pair>> m_pairs;
};
