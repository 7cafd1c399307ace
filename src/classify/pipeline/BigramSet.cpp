#include "BigramSet.h"

namespace tarnwell {

void BigramSet::addText(QByteArrayView text)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(text.data());
    for (qsizetype i = 1; i < text.size(); ++i) {
        const unsigned pair = index(bytes[i - 1], bytes[i]);
        m_bits[pair / 64] |= std::uint64_t(1) << (pair % 64);
    }
}

} // namespace tarnwell
