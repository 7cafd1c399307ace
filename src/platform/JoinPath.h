#pragma once

#include <QString>

namespace tarnwell {

// Joins a folder and a file name: an empty folder gives the name alone, a folder
// that already ends in a separator gets the name appended, any other folder gets
// the platform's separator between the two.
QString JoinPath(const QString &folder, const QString &name);

} // namespace tarnwell
