#include "FoldedText.h"

#include "classify/text/AsciiCase.h"

#include <algorithm>

namespace tarnwell {

FoldedText foldInto(QByteArrayView text, QByteArray &buffer)
{
    buffer.resize(text.size());
    std::transform(text.begin(), text.end(), buffer.begin(), upperAscii);
    return {text, buffer};
}

} // namespace tarnwell
