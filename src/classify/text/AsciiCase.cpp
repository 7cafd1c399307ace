#include "AsciiCase.h"

#include <algorithm>

namespace tarnwell {

QByteArray upperCase(QByteArrayView text)
{
    QByteArray result(text.size(), Qt::Uninitialized);
    std::transform(text.begin(), text.end(), result.begin(), upperAscii);
    return result;
}

QByteArray lowerCase(QByteArrayView text)
{
    QByteArray result(text.size(), Qt::Uninitialized);
    std::transform(text.begin(), text.end(), result.begin(), lowerAscii);
    return result;
}

bool equalIgnoringCase(QByteArrayView a, QByteArrayView b)
{
    return a.size() == b.size()
           && std::equal(a.begin(), a.end(), b.begin(),
                         [](char x, char y) { return upperAscii(x) == upperAscii(y); });
}

} // namespace tarnwell
