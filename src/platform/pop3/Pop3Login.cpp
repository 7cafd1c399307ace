#include "Pop3Login.h"

#include "platform/pop3/Pop3Connection.h"
#include "platform/pop3/Pop3Listing.h"

namespace tarnwell {

namespace {

using Shape = Pop3ReplyReader::Shape;

// A status command that must answer "+OK".
bool expectOk(Pop3Connection &connection, const QByteArray &command, Pop3Reply &reply)
{
    if (!connection.command(command, Shape::Status, reply))
        return false;
    if (!reply.ok) {
        connection.failWith(reply);
        return false;
    }
    return true;
}

Pop3Capabilities askCapabilities(Pop3Connection &connection)
{
    Pop3Reply reply;
    if (!connection.command("CAPA", Shape::MultiLine, reply) || !reply.ok)
        return Pop3Capabilities::unknown();
    return Pop3Capabilities(reply.lines);
}

} // namespace

bool pop3Login(Pop3Connection &connection, const ServerAddress &address, const QByteArray &userName,
               const QByteArray &password, Pop3Session &session)
{
    Pop3Reply reply;
    if (!connection.open(address, reply))
        return false;
    if (!reply.ok) {
        connection.failWith(reply);
        return false;
    }

    session.capabilities = askCapabilities(connection);
    if (connection.failed())
        return false;
    if (address.transport == Pop3Transport::StartTlsIfOffered && session.capabilities.has("STLS")) {
        if (!expectOk(connection, "STLS", reply) || !connection.startTls())
            return false;
        // What was offered before TLS may have been forged on the way.
        session.capabilities = askCapabilities(connection);
        if (connection.failed())
            return false;
    }

    if (!expectOk(connection, "USER " + userName, reply) || !expectOk(connection, "PASS " + password, reply)
        || !expectOk(connection, "STAT", reply))
        return false;
    const auto count = Pop3Listing::messageCount(reply.status);
    if (!count) {
        connection.fail(Pop3FailureKind::Network, QStringLiteral("The server sent an invalid STAT reply"));
        return false;
    }
    session.messageCount = *count;
    return true;
}

} // namespace tarnwell
