#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>

namespace tarnwell {
class Pop3Client;
}

namespace tarnwell::test {

// Writes down every event of a POP3 client as a line ("OnNextInfoUpdated 2",
// "OnError Operation timed out"), so a test can compare whole sequences.
class Pop3EventRecorder : public QObject
{
    Q_OBJECT
public:
    explicit Pop3EventRecorder(Pop3Client &client);

    const QStringList &events() const { return m_events; }
    void clear() { m_events.clear(); }
    // The bytes handed to OnUserMessageSave, by entry index, in order.
    const QList<QPair<int, QByteArray>> &saved() const { return m_saved; }

    // Runs once, right after the event with this line was recorded.
    void onEvent(const QString &line, std::function<void()> action);

private:
    void record(const QString &line);

    QStringList m_events;
    QList<QPair<int, QByteArray>> m_saved;
    QList<QPair<QString, std::function<void()>>> m_actions;
};

} // namespace tarnwell::test
