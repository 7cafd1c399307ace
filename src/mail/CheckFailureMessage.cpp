#include "CheckFailureMessage.h"

namespace tarnwell {

namespace {
QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}
} // namespace

QString CheckFailureMessage(const Pop3Failure &failure, const QString &server, const QString &userName)
{
    switch (failure.kind) {
    case Pop3FailureKind::Canceled:
        return failure.text;
    case Pop3FailureKind::Network:
        return quoted(failure.text) + QStringLiteral("  Unable to connect to your remote POP Server - ")
               + quoted(server)
               + QStringLiteral(".  Your remote POP server is either unavailable or incorrectly specified.  "
                                "Go to the General Settings screen to correct the POP server.");
    case Pop3FailureKind::Server:
    case Pop3FailureKind::None:
        break;
    }
    return quoted(failure.text) + QStringLiteral("  Unable to connect to your mailbox - ") + quoted(userName)
           + QStringLiteral(".  Either your UserName/Mailbox or Password is incorrect.  "
                            "Go to the General Settings screen to correct your mailbox or password.");
}

} // namespace tarnwell
