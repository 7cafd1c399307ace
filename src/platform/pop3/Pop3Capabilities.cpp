#include "Pop3Capabilities.h"

namespace tarnwell {

Pop3Capabilities::Pop3Capabilities(const QList<QByteArray> &lines) : m_known(true)
{
    for (const QByteArray &line : lines) {
        const QByteArray trimmed = line.trimmed();
        const qsizetype space = trimmed.indexOf(' ');
        const QByteArray tag = space < 0 ? trimmed : trimmed.left(space);
        if (!tag.isEmpty())
            m_tags.insert(tag.toUpper());
    }
}

bool Pop3Capabilities::has(const QByteArray &tag) const
{
    return m_tags.contains(tag.toUpper());
}

} // namespace tarnwell
