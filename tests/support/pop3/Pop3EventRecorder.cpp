#include "Pop3EventRecorder.h"

#include "platform/pop3/Pop3Client.h"

namespace tarnwell::test {

Pop3EventRecorder::Pop3EventRecorder(Pop3Client &client)
{
    const auto plain = [this](const char *name) { return [this, name] { record(QString::fromLatin1(name)); }; };
    const auto indexed = [this](const char *name) {
        return [this, name](int i) { record(QString::fromLatin1(name) + QLatin1Char(' ') + QString::number(i)); };
    };
    connect(&client, &Pop3Client::OnOpen, this, plain("OnOpen"));
    connect(&client, &Pop3Client::OnUpdatingInfo, this, plain("OnUpdatingInfo"));
    connect(&client, &Pop3Client::OnNextInfoUpdated, this, indexed("OnNextInfoUpdated"));
    connect(&client, &Pop3Client::OnInfoUpdated, this, plain("OnInfoUpdated"));
    connect(&client, &Pop3Client::OnTransferringData, this, plain("OnTransferringData"));
    connect(&client, &Pop3Client::OnRetrieving, this, indexed("OnRetrieving"));
    connect(&client, &Pop3Client::OnRetrieved, this, indexed("OnRetrieved"));
    connect(&client, &Pop3Client::OnUserMessageSave, this, [this](int i, const QByteArray &message) {
        m_saved.append({i, message});
        record(QStringLiteral("OnUserMessageSave ") + QString::number(i));
    });
    connect(&client, &Pop3Client::OnDeleting, this, indexed("OnDeleting"));
    connect(&client, &Pop3Client::OnDataTransfered, this, plain("OnDataTransfered"));
    connect(&client, &Pop3Client::OnClosing, this, plain("OnClosing"));
    connect(&client, &Pop3Client::OnClosed, this, plain("OnClosed"));
    connect(&client, &Pop3Client::OnCancel, this, plain("OnCancel"));
    connect(&client, &Pop3Client::OnError, this,
            [this](const QString &text) { record(QStringLiteral("OnError ") + text); });
}

void Pop3EventRecorder::onEvent(const QString &line, std::function<void()> action)
{
    m_actions.append({line, std::move(action)});
}

void Pop3EventRecorder::record(const QString &line)
{
    m_events.append(line);
    for (qsizetype i = 0; i < m_actions.size(); ++i) {
        if (m_actions.at(i).first == line) {
            const auto action = m_actions.takeAt(i).second;
            action();
            return;
        }
    }
}

} // namespace tarnwell::test
