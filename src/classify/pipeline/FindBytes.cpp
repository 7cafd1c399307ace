#include "FindBytes.h"

#include <cstring>

namespace tarnwell {

qsizetype findBytes(QByteArrayView text, QByteArrayView pattern, qsizetype from)
{
    if (from < 0 || pattern.isEmpty() || pattern.size() > text.size() - from)
        return -1;
#if defined(__GLIBC__)
    const void *found = memmem(text.data() + from, size_t(text.size() - from), pattern.data(), size_t(pattern.size()));
    return found ? static_cast<const char *>(found) - text.data() : -1;
#else
    return text.indexOf(pattern, from);
#endif
}

} // namespace tarnwell
