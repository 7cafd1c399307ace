#include "TempHome.h"

#include <QFile>

namespace tarnwell::test {

TempHome::TempHome()
{
    m_hadPrevious = qEnvironmentVariableIsSet("TARNWELL_HOME");
    m_previous = qgetenv("TARNWELL_HOME");
    qputenv("TARNWELL_HOME", m_dir.path().toUtf8());
}

TempHome::~TempHome()
{
    if (m_hadPrevious)
        qputenv("TARNWELL_HOME", m_previous);
    else
        qunsetenv("TARNWELL_HOME");
}

QString TempHome::file(const QString &name) const
{
    return m_dir.filePath(name);
}

void TempHome::write(const QString &name, const QByteArray &bytes) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        ADD_FAILURE() << "cannot write " << name.toStdString();
    f.write(bytes);
}

QByteArray TempHome::read(const QString &name) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

} // namespace tarnwell::test
