#pragma once

#include <QString>

namespace tarnwell::Pop3Texts {

// The client's own failure texts; the check run and the log show them as they are.
inline QString serverRequired() { return QStringLiteral("Server property is required"); }
inline QString userNameRequired() { return QStringLiteral("UserName property is required"); }
inline QString passwordRequired() { return QStringLiteral("Password property is required"); }
inline QString cannotResolve() { return QStringLiteral("Error resolving remote host"); }
inline QString timedOut() { return QStringLiteral("Operation timed out"); }
inline QString canceled() { return QStringLiteral("Operation has been canceled"); }

} // namespace tarnwell::Pop3Texts
