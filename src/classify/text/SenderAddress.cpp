#include "SenderAddress.h"

#include <algorithm>

namespace tarnwell {

namespace {
constexpr qsizetype kMaxDomain = 255;
}

QByteArray senderDomain(QByteArrayView address)
{
    const qsizetype at = address.indexOf('@');
    if (at < 0)
        return address.toByteArray();
    const QByteArrayView domain = address.sliced(at + 1);
    if (domain.count('.') < 2)
        return domain.toByteArray();
    const QByteArrayView afterFirstDot = domain.sliced(domain.indexOf('.') + 1);
    return afterFirstDot.first(std::min(afterFirstDot.size(), kMaxDomain)).toByteArray();
}

QByteArray countrySuffix(QByteArrayView address)
{
    const qsizetype stop = std::max<qsizetype>(0, address.size() - 3);
    for (qsizetype i = address.size() - 1; i >= stop; --i) {
        if (address[i] == '.')
            return address.sliced(i).toByteArray();
    }
    return {};
}

} // namespace tarnwell
