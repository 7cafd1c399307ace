#pragma once

#include <QString>

namespace tarnwell {

// How a failed call failed. The check run words its message by this kind.
enum class Pop3FailureKind {
    None,
    Network,  // missing settings, resolving, socket and TLS errors, time-out, bad replies
    Server,   // a "-ERR" reply: the text is the server's reply
    Canceled, // Cancel() during the call
};

struct Pop3Failure
{
    Pop3FailureKind kind = Pop3FailureKind::None;
    QString text;
};

} // namespace tarnwell
