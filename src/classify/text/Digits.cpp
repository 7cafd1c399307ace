#include "Digits.h"

#include <algorithm>

namespace tarnwell {

qsizetype countDigits(QByteArrayView text)
{
    return std::count_if(text.begin(), text.end(), [](char c) { return isDigit(c) || c == '_'; });
}

QByteArray stripDigits(QByteArrayView text)
{
    QByteArray result;
    result.reserve(text.size());
    for (char c : text) {
        if (!isDigit(c))
            result.append(c);
    }
    return result;
}

} // namespace tarnwell
