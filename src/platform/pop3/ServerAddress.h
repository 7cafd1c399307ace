#pragma once

#include <QString>

namespace tarnwell {

// How the connection to a POP3 server is secured, as chosen by the server text.
enum class Pop3Transport {
    Tls,            // TLS from the first byte ("pop3s://" or port 995)
    PlainOnly,      // plain text, never upgraded ("pop3://")
    StartTlsIfOffered, // plain text, upgraded with STLS when CAPA offers it
};

// A mailbox's server text read as host, port and transport:
//   "pop3s://host[:port]"  TLS, port 995 unless given
//   "pop3://host[:port]"   plain text, the default port unless given
//   "host" or "host:port"  STLS when offered; port 995 means TLS
// The text may end in a colon without a number (the default port then), and an
// IPv6 address is written in brackets ("[::1]:110").
struct ServerAddress
{
    static constexpr quint16 kTlsPort = 995;

    QString host;
    quint16 port = 0;
    Pop3Transport transport = Pop3Transport::StartTlsIfOffered;

    // False when the text names no usable host and port; connecting then fails as
    // an unresolvable host would.
    bool isValid() const { return !host.isEmpty() && port != 0; }

    static ServerAddress parse(const QString &text, quint16 defaultPort);
};

} // namespace tarnwell
