#pragma once

#include <QByteArrayView>

#include <array>
#include <cstdint>

namespace tarnwell {

// Which pairs of adjacent bytes occur in a text (the header lines of one message,
// each line on its own). A pattern with a pair that does not occur cannot occur
// either, so most header rules are passed over after a few bit tests instead of a
// search of every line.
class BigramSet
{
public:
    void clear() { m_bits.fill(0); }
    void addText(QByteArrayView text);
    bool contains(unsigned char first, unsigned char second) const
    {
        const unsigned pair = index(first, second);
        return (m_bits[pair / 64] >> (pair % 64)) & 1u;
    }
    static unsigned index(unsigned char first, unsigned char second) { return unsigned(first) << 8 | second; }

private:
    std::array<std::uint64_t, 65536 / 64> m_bits{};
};

} // namespace tarnwell
