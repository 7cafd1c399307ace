#include "ServerAddress.h"

namespace tarnwell {

namespace {

// Reads "host", "host:", "host:port", "[v6]" or "[v6]:port". An empty port
// leaves *port untouched; a port that is not a number 1..65535 makes it 0.
QString splitHostPort(QString text, quint16 *port)
{
    QString portText;
    if (text.startsWith(QLatin1Char('['))) {
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        if (close < 0)
            return {};
        const QString rest = text.mid(close + 1);
        if (!rest.isEmpty() && !rest.startsWith(QLatin1Char(':')))
            return {};
        portText = rest.mid(1);
        text = text.mid(1, close - 1);
    } else {
        const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
        // More than one colon without brackets: a bare IPv6 address, no port.
        if (colon >= 0 && text.indexOf(QLatin1Char(':')) == colon) {
            portText = text.mid(colon + 1);
            text = text.left(colon);
        }
    }
    if (!portText.isEmpty()) {
        bool ok = false;
        const uint value = portText.toUInt(&ok);
        *port = (ok && value >= 1 && value <= 65535) ? quint16(value) : 0;
    }
    return text;
}

} // namespace

ServerAddress ServerAddress::parse(const QString &text, quint16 defaultPort)
{
    ServerAddress address;
    QString rest = text.trimmed();

    static const QLatin1String tlsScheme("pop3s://");
    static const QLatin1String plainScheme("pop3://");
    bool schemeGiven = false;
    if (rest.startsWith(tlsScheme, Qt::CaseInsensitive)) {
        address.transport = Pop3Transport::Tls;
        rest = rest.mid(tlsScheme.size());
        schemeGiven = true;
    } else if (rest.startsWith(plainScheme, Qt::CaseInsensitive)) {
        address.transport = Pop3Transport::PlainOnly;
        rest = rest.mid(plainScheme.size());
        schemeGiven = true;
    }
    if (schemeGiven && rest.endsWith(QLatin1Char('/')))
        rest.chop(1);

    quint16 port = address.transport == Pop3Transport::Tls ? kTlsPort : defaultPort;
    address.host = splitHostPort(rest, &port);
    address.port = port;
    if (address.host.contains(QLatin1Char('/')) || address.host.contains(QLatin1Char(' ')))
        address.host.clear();
    if (address.transport == Pop3Transport::StartTlsIfOffered && address.port == kTlsPort)
        address.transport = Pop3Transport::Tls;
    return address;
}

} // namespace tarnwell
