#pragma once

#include <QByteArray>

namespace tarnwell::test {

// Sets (or, with unset(), removes) one environment variable until it goes out of
// scope, then puts back what was there.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char *name, const QByteArray &value) : ScopedEnvironment(name) { qputenv(m_name, value); }
    static ScopedEnvironment unset(const char *name)
    {
        ScopedEnvironment scoped(name);
        qunsetenv(name);
        return scoped;
    }
    ~ScopedEnvironment()
    {
        if (!m_name)
            return;
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    ScopedEnvironment(ScopedEnvironment &&other) noexcept
        : m_name(other.m_name), m_had(other.m_had), m_old(other.m_old)
    {
        other.m_name = nullptr;
    }
    ScopedEnvironment(const ScopedEnvironment &) = delete;
    ScopedEnvironment &operator=(const ScopedEnvironment &) = delete;
    ScopedEnvironment &operator=(ScopedEnvironment &&) = delete;

private:
    explicit ScopedEnvironment(const char *name)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
    }

    const char *m_name;
    bool m_had;
    QByteArray m_old;
};

} // namespace tarnwell::test
