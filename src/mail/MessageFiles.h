#pragma once

#include <QString>

namespace tarnwell {

// Downloaded messages lie in the message directory as "msg_" + row + ".eml".
namespace MessageFiles {
QString fileName(int row);
// Deletes the leftovers of an earlier run, rows 0 to 100.
void CleanUpEMLFiles(const QString &messageDirectory);
} // namespace MessageFiles

} // namespace tarnwell
