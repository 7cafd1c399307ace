#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace tarnwell {

namespace {
const QByteArray kRaise = QByteArrayLiteral("raise\n");
const int kConnectMs = 1000;
} // namespace

SingleInstance::SingleInstance(const QString &dataFolder, QObject *parent)
    : QObject(parent), m_name(serverName(dataFolder))
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverName(const QString &dataFolder)
{
    const QByteArray folder = QDir::cleanPath(QDir(dataFolder).absolutePath()).toUtf8();
    const QByteArray user = qgetenv("USER").isEmpty() ? qgetenv("USERNAME") : qgetenv("USER");
    const QByteArray digest =
        QCryptographicHash::hash(user + '\0' + folder, QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("tarnwell-") + QString::fromLatin1(digest);
}

bool SingleInstance::claim()
{
    QLocalSocket probe;
    probe.connectToServer(m_name);
    if (probe.waitForConnected(kConnectMs)) {
        probe.write(kRaise);
        probe.waitForBytesWritten(kConnectMs);
        probe.disconnectFromServer();
        return false;
    }

    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // A copy that crashed leaves its socket file behind; nobody answered on it.
        QLocalServer::removeServer(m_name);
        m_server->listen(m_name);
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *peer = m_server->nextPendingConnection()) {
            connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
                if (peer->readAll().contains("raise"))
                    emit raiseRequested();
            });
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        }
    });
    return true;
}

} // namespace tarnwell
