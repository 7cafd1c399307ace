#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>

namespace tarnwell {

// What a server's CAPA reply offers (RFC 2449). A server that does not know CAPA
// offers nothing known; the client then falls back to the commands of RFC 1939.
class Pop3Capabilities
{
public:
    Pop3Capabilities() = default;
    explicit Pop3Capabilities(const QList<QByteArray> &lines);

    static Pop3Capabilities unknown() { return {}; }

    bool isKnown() const { return m_known; }
    // The capability's tag, any case ("PIPELINING", "STLS", "UIDL").
    bool has(const QByteArray &tag) const;

private:
    bool m_known = false;
    QSet<QByteArray> m_tags; // upper case
};

} // namespace tarnwell
