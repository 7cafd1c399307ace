#include "TextCut.h"

#include <QUtf8StringView>

namespace tarnwell {

QByteArray cutText(const QByteArray &value, qsizetype limit)
{
    if (value.size() <= limit)
        return value;
    qsizetype cut = limit;
    if (QUtf8StringView(value).isValidUtf8()) {
        // Continuation bytes are 10xxxxxx; back off to the lead byte of the cut character.
        while (cut > 0 && (uchar(value.at(cut)) & 0xC0) == 0x80)
            --cut;
    }
    return value.left(cut);
}

} // namespace tarnwell
