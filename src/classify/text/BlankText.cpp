#include "BlankText.h"

#include <algorithm>

namespace tarnwell {

bool isBlankText(QByteArrayView text)
{
    return std::all_of(text.begin(), text.end(), isBlankChar);
}

} // namespace tarnwell
