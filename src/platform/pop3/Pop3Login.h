#pragma once

#include "platform/pop3/Pop3Capabilities.h"
#include "platform/pop3/ServerAddress.h"

#include <QByteArray>

namespace tarnwell {

class Pop3Connection;

// What logging in to a maildrop learnt.
struct Pop3Session
{
    Pop3Capabilities capabilities;
    int messageCount = 0; // as STAT reported it
};

// Connects and logs in: greeting, CAPA, STLS when the transport asks for it and
// the server offers it (then CAPA again), USER, PASS, STAT. On failure the
// connection holds the reason.
bool pop3Login(Pop3Connection &connection, const ServerAddress &address, const QByteArray &userName,
               const QByteArray &password, Pop3Session &session);

} // namespace tarnwell
