#include "Pop3Client.h"

#include "platform/pop3/DialUpConnector.h"
#include "platform/pop3/MessageIdentity.h"
#include "platform/pop3/Pop3Connection.h"
#include "platform/pop3/Pop3Listing.h"
#include "platform/pop3/Pop3Login.h"
#include "platform/pop3/Pop3Texts.h"
#include "platform/pop3/ServerAddress.h"
#include "platform/pop3/TlsTrust.h"

#include <QPointer>

#include <algorithm>

namespace tarnwell {

namespace {

using Shape = Pop3ReplyReader::Shape;

// Replies in flight when the server allows pipelining: enough to hide a long
// round trip, few enough that a cancel is not held up by much queued work.
constexpr int kPipelineWindow = 64;

bool hasLineBreak(const QString &text)
{
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

// A whole message as RETR sent it: its lines joined by CR LF.
QByteArray joinMessage(const QList<QByteArray> &lines)
{
    qsizetype size = 0;
    for (const QByteArray &line : lines)
        size += line.size() + 2;
    QByteArray message;
    message.reserve(size);
    for (const QByteArray &line : lines) {
        message += line;
        message += "\r\n";
    }
    return message;
}

// The largest RETR reply accepted for a message the listing gave this size:
// servers may count bare line feeds, so allow for twice that, but no more.
qsizetype retrieveLimit(qint64 listedSize)
{
    constexpr qint64 kSlack = 1024 * 1024;
    constexpr qint64 kCeiling = qint64(1024) * 1024 * 1024;
    return qsizetype(qBound(qint64(Pop3ReplyReader::kDefaultMaxBlock), 2 * listedSize + kSlack, kCeiling));
}

} // namespace

class Pop3Client::Private
{
public:
    explicit Private(Pop3Client &client) : q(client), connection(trust) {}

    bool begin();
    bool finish(bool ok);

    bool openSession();
    bool listHeaders();
    bool executeFlagged();
    bool findTargets(QList<int> &numbers);
    bool findTargetsById(MessageIdentity::Targets &targets);
    bool findTargetsByPosition(MessageIdentity::Targets &targets);
    bool transfer(const QList<int> &numbers);
    bool quit(bool mustCommit);
    void closeSession();
    void dropSession();
    void hangUp();
    bool connected() const { return loggedIn && connection.isOpen(); }
    bool fail(const QString &text)
    {
        connection.fail(Pop3FailureKind::Network, text);
        return false;
    }
    bool expectOk(const Pop3Reply &reply)
    {
        if (!reply.ok)
            connection.failWith(reply);
        return reply.ok;
    }
    int window() const { return session.capabilities.has("PIPELINING") ? kPipelineWindow : 1; }

    Pop3Client &q;
    TlsTrust trust;
    Pop3Connection connection;

    QString server;
    QString userName;
    QString password;
    quint16 defaultPort = 110;
    int timeOutSeconds = 2400;
    QString messageDirectory;
    bool keepConnected = false;
    QPointer<DialUpConnector> dialUp;
    bool dialled = false;

    Pop3Session session;
    bool loggedIn = false;
    bool listedInSession = false; // the header list belongs to this connection's session
    QList<HeaderEntry> entries;
    bool busy = false;
    Pop3Failure last;
};

bool Pop3Client::Private::begin()
{
    if (busy) {
        last = {Pop3FailureKind::Network, QStringLiteral("The POP3 client is busy with another operation")};
        return false;
    }
    busy = true;
    connection.clearFailure();
    connection.setTimeOut(timeOutSeconds > 0 ? timeOutSeconds * 1000 : 0);
    return true;
}

bool Pop3Client::Private::finish(bool ok)
{
    busy = false;
    if (ok && !connection.failed()) {
        last = {};
        return true;
    }
    last = connection.failure();
    if (last.kind == Pop3FailureKind::None)
        last = {Pop3FailureKind::Network, QStringLiteral("The POP3 operation failed")};
    dropSession();
    if (last.kind == Pop3FailureKind::Canceled)
        emit q.OnCancel();
    if (last.kind != Pop3FailureKind::Server)
        emit q.OnError(last.text);
    return false;
}

// A failed session ends at once, without QUIT, so that the server discards any
// deletion made in it.
void Pop3Client::Private::dropSession()
{
    connection.abort();
    loggedIn = false;
    listedInSession = false;
    hangUp();
}

void Pop3Client::Private::closeSession()
{
    connection.close();
    loggedIn = false;
    listedInSession = false;
    hangUp();
}

void Pop3Client::Private::hangUp()
{
    if (dialled && dialUp)
        dialUp->hangUp();
    dialled = false;
}

bool Pop3Client::Private::openSession()
{
    if (server.trimmed().isEmpty())
        return fail(Pop3Texts::serverRequired());
    if (userName.isEmpty())
        return fail(Pop3Texts::userNameRequired());
    if (password.isEmpty())
        return fail(Pop3Texts::passwordRequired());
    // A line break would end the command early and let the rest pass as commands.
    if (hasLineBreak(userName))
        return fail(QStringLiteral("The user name must not contain a line break"));
    if (hasLineBreak(password))
        return fail(QStringLiteral("The password must not contain a line break"));

    emit q.OnOpen();
    if (connection.failed())
        return false;

    dropSession();
    if (dialUp && !dialUp->isLineUp()) {
        QString error;
        if (!dialUp->dial(&error))
            return fail(error);
        dialled = true;
    }

    session = {};
    if (!pop3Login(connection, ServerAddress::parse(server, defaultPort), userName.toUtf8(), password.toUtf8(),
                   session))
        return false;
    loggedIn = true;
    return true;
}

bool Pop3Client::Private::listHeaders()
{
    if (!connected() && !openSession())
        return false;
    emit q.OnUpdatingInfo();
    entries.clear();
    if (connection.failed())
        return false;

    const int count = session.messageCount;
    if (count > 0) {
        Pop3Reply reply;
        if (!connection.command("LIST", Shape::MultiLine, reply) || !expectOk(reply))
            return false;
        const auto sizes = Pop3Listing::sizes(reply.lines, count);
        if (!sizes)
            return fail(QStringLiteral("The server sent an invalid message list"));

        QList<QByteArray> ids;
        const bool askIds = session.capabilities.has("UIDL") || !session.capabilities.isKnown();
        if (askIds) {
            if (!connection.command("UIDL", Shape::MultiLine, reply))
                return false;
            if (reply.ok) {
                const auto parsed = Pop3Listing::uniqueIds(reply.lines, count);
                if (!parsed)
                    return fail(QStringLiteral("The server sent an invalid list of unique ids"));
                ids = *parsed;
            }
        }

        const bool ok = connection.pipeline(
            count, window(), Shape::MultiLine,
            [](int i) { return QByteArray("TOP ") + QByteArray::number(i + 1) + " 1"; },
            [&](int i, const Pop3Reply &top) {
                if (!expectOk(top))
                    return false;
                HeaderEntry entry;
                entry.size = sizes->at(i);
                entry.lines = Pop3Listing::headerLines(top.lines);
                if (!ids.isEmpty())
                    entry.uid = ids.at(i);
                entries.append(std::move(entry));
                emit q.OnNextInfoUpdated(i);
                return true;
            });
        if (!ok)
            return false;
    }
    listedInSession = true;

    if (!keepConnected && !quit(false))
        return false;
    emit q.OnInfoUpdated();
    return true;
}

bool Pop3Client::Private::quit(bool mustCommit)
{
    emit q.OnClosing();
    Pop3Reply reply;
    if (!connection.command("QUIT", Shape::Status, reply))
        return false;
    // A refused QUIT means the deletions of this session were not made.
    if (mustCommit && !expectOk(reply))
        return false;
    closeSession();
    emit q.OnClosed();
    return true;
}

bool Pop3Client::Private::executeFlagged()
{
    // In the listing's own session the numbers still hold; in any other they
    // have to be found again.
    const bool sameSession = connected() && listedInSession;
    if (!connected() && !openSession())
        return false;

    QList<int> numbers;
    if (sameSession) {
        numbers.fill(0, entries.size());
        for (int i = 0; i < entries.size(); ++i) {
            if (MessageIdentity::isFlagged(entries.at(i)))
                numbers[i] = i + 1;
        }
    } else if (!findTargets(numbers)) {
        return false;
    }

    emit q.OnTransferringData();
    if (connection.failed() || !transfer(numbers))
        return false;
    emit q.OnDataTransfered();
    if (connection.failed() || !quit(true))
        return false;
    for (HeaderEntry &entry : entries) {
        entry.flaggedForDeletion = false;
        entry.flaggedForRetrieval = false;
    }
    return true;
}

bool Pop3Client::Private::findTargets(QList<int> &numbers)
{
    const bool anyFlagged = std::any_of(entries.cbegin(), entries.cend(), MessageIdentity::isFlagged);
    if (!anyFlagged) {
        numbers.fill(0, entries.size());
        return true;
    }
    const bool listedWithIds = std::all_of(entries.cbegin(), entries.cend(),
                                           [](const HeaderEntry &e) { return !e.uid.isEmpty(); });
    MessageIdentity::Targets targets;
    if (!(listedWithIds ? findTargetsById(targets) : findTargetsByPosition(targets)))
        return false;
    if (targets.missing >= 0)
        return fail(QStringLiteral("Message %1 is no longer on the server as it was listed; list the mailbox again")
                        .arg(targets.missing + 1));
    numbers = targets.numbers;
    return true;
}

bool Pop3Client::Private::findTargetsById(MessageIdentity::Targets &targets)
{
    Pop3Reply reply;
    if (!connection.command("UIDL", Shape::MultiLine, reply))
        return false;
    if (!reply.ok)
        return fail(QStringLiteral("The server no longer gives unique ids; list the mailbox again"));
    const auto ids = Pop3Listing::uniqueIds(reply.lines, session.messageCount);
    if (!ids)
        return fail(QStringLiteral("The server sent an invalid list of unique ids"));
    targets = MessageIdentity::byUniqueId(entries, *ids);
    return true;
}

// Without unique ids a message is taken to be the listed one when its number,
// its size and its whole header are unchanged.
bool Pop3Client::Private::findTargetsByPosition(MessageIdentity::Targets &targets)
{
    const int count = session.messageCount;
    QList<qint64> sizes;
    if (count > 0) {
        Pop3Reply reply;
        if (!connection.command("LIST", Shape::MultiLine, reply) || !expectOk(reply))
            return false;
        const auto parsed = Pop3Listing::sizes(reply.lines, count);
        if (!parsed)
            return fail(QStringLiteral("The server sent an invalid message list"));
        sizes = *parsed;
    }
    targets = MessageIdentity::byPosition(entries, sizes);
    if (targets.missing >= 0)
        return true;
    QList<int> flagged;
    for (int i = 0; i < targets.numbers.size(); ++i) {
        if (targets.numbers.at(i) != 0)
            flagged.append(i);
    }
    connection.pipeline(
        int(flagged.size()), window(), Shape::MultiLine,
        [&](int k) { return QByteArray("TOP ") + QByteArray::number(flagged.at(k) + 1) + " 0"; },
        [&](int k, const Pop3Reply &top) {
            if (!expectOk(top))
                return false;
            if (!MessageIdentity::sameHeader(entries.at(flagged.at(k)), top.lines)) {
                targets.missing = flagged.at(k);
                return false;
            }
            return true;
        });
    return !connection.failed();
}

bool Pop3Client::Private::transfer(const QList<int> &numbers)
{
    QList<int> flagged;
    bool anyRetrieval = false;
    for (int i = 0; i < entries.size(); ++i) {
        if (numbers.value(i) == 0)
            continue;
        flagged.append(i);
        anyRetrieval = anyRetrieval || entries.at(i).flaggedForRetrieval;
    }

    // Deletions alone may be pipelined; a download is handed over whole before
    // the next command goes out.
    if (!anyRetrieval) {
        return connection.pipeline(
            int(flagged.size()), window(), Shape::Status,
            [&](int k) {
                emit q.OnDeleting(flagged.at(k));
                return QByteArray("DELE ") + QByteArray::number(numbers.at(flagged.at(k)));
            },
            [&](int, const Pop3Reply &reply) { return expectOk(reply); });
    }

    for (const int i : flagged) {
        const QByteArray number = QByteArray::number(numbers.at(i));
        Pop3Reply reply;
        if (entries.at(i).flaggedForRetrieval) {
            emit q.OnRetrieving(i);
            if (connection.failed())
                return false;
            connection.send("RETR " + number);
            if (!connection.receive(Shape::MultiLine, reply, retrieveLimit(entries.at(i).size)) || !expectOk(reply))
                return false;
            emit q.OnUserMessageSave(i, joinMessage(reply.lines));
            emit q.OnRetrieved(i);
        }
        if (entries.at(i).flaggedForDeletion) {
            emit q.OnDeleting(i);
            if (!connection.command("DELE " + number, Shape::Status, reply) || !expectOk(reply))
                return false;
        }
        if (connection.failed())
            return false;
    }
    return true;
}

Pop3Client::Pop3Client(QObject *parent) : QObject(parent), d(std::make_unique<Private>(*this)) {}

Pop3Client::~Pop3Client() = default;

void Pop3Client::setServer(const QString &server) { d->server = server; }
QString Pop3Client::server() const { return d->server; }
void Pop3Client::setUserName(const QString &userName) { d->userName = userName; }
QString Pop3Client::userName() const { return d->userName; }
void Pop3Client::setPassword(const QString &password) { d->password = password; }
QString Pop3Client::password() const { return d->password; }
void Pop3Client::setDefaultPort(quint16 port) { d->defaultPort = port; }
quint16 Pop3Client::defaultPort() const { return d->defaultPort; }
void Pop3Client::setTimeOut(int seconds) { d->timeOutSeconds = seconds; }
int Pop3Client::timeOut() const { return d->timeOutSeconds; }
void Pop3Client::setMessageDirectory(const QString &folder) { d->messageDirectory = folder; }
QString Pop3Client::messageDirectory() const { return d->messageDirectory; }
void Pop3Client::setKeepConnected(bool keep) { d->keepConnected = keep; }
bool Pop3Client::keepConnected() const { return d->keepConnected; }
void Pop3Client::setDialUp(DialUpConnector *connector) { d->dialUp = connector; }

bool Pop3Client::ListHeaders()
{
    if (!d->begin())
        return false;
    return d->finish(d->listHeaders());
}

void Pop3Client::FlagForDeletion(int index)
{
    if (index >= 0 && index < d->entries.size())
        d->entries[index].flaggedForDeletion = true;
}

void Pop3Client::FlagForRetrieval(int index)
{
    if (index >= 0 && index < d->entries.size())
        d->entries[index].flaggedForRetrieval = true;
}

void Pop3Client::ClearFlags()
{
    for (HeaderEntry &entry : d->entries) {
        entry.flaggedForDeletion = false;
        entry.flaggedForRetrieval = false;
    }
}

bool Pop3Client::ExecuteFlagged()
{
    if (d->entries.isEmpty() && !d->busy) {
        d->last = {};
        return true;
    }
    if (!d->begin())
        return false;
    return d->finish(d->executeFlagged());
}

void Pop3Client::Cancel()
{
    if (d->busy)
        d->connection.fail(Pop3FailureKind::Canceled, Pop3Texts::canceled());
    else
        Disconnect();
}

bool Pop3Client::IsConnected() const
{
    return d->connected();
}

void Pop3Client::Disconnect()
{
    if (d->busy) {
        Cancel();
        return;
    }
    if (!d->connected()) {
        d->dropSession();
        return;
    }
    emit OnClosing();
    // Nothing of a kept connection waits to be committed; QUIT is a courtesy.
    d->connection.send("QUIT");
    d->closeSession();
    emit OnClosed();
}

const Pop3Failure &Pop3Client::lastFailure() const
{
    return d->last;
}

const QList<HeaderEntry> &Pop3Client::headers() const
{
    return d->entries;
}

int Pop3Client::messageCount() const
{
    return d->session.messageCount;
}

} // namespace tarnwell
