#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace tarnwell {

// One running copy per user and per data folder. The first copy listens on a local
// socket; a later copy asks it to raise its window and then ends.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(const QString &dataFolder, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this process is now the running instance. False when another copy
    // answered: it has been asked to raise itself and this copy should end.
    bool claim();

    static QString serverName(const QString &dataFolder);

signals:
    // Another copy was started and asked this one to come forward.
    void raiseRequested();

private:
    QString m_name;
    QLocalServer *m_server = nullptr;
};

} // namespace tarnwell
