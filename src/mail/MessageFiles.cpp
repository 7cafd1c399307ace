#include "MessageFiles.h"

#include "platform/JoinPath.h"

#include <QFile>

namespace tarnwell::MessageFiles {

namespace {
constexpr int kLastLeftover = 100;
}

QString fileName(int row)
{
    return QStringLiteral("msg_") + QString::number(row) + QStringLiteral(".eml");
}

void CleanUpEMLFiles(const QString &messageDirectory)
{
    for (int n = 0; n <= kLastLeftover; ++n) {
        const QString path = JoinPath(messageDirectory, fileName(n));
        if (QFile::exists(path))
            QFile::remove(path);
    }
}

} // namespace tarnwell::MessageFiles
