#include "DialUpConnector.h"

namespace tarnwell {

bool DialUpConnector::dial(QString *error)
{
    *error = m_entry.isEmpty() ? QStringLiteral("No dial-up entry is selected")
                               : QStringLiteral("Dial-up entry not found: ") + m_entry;
    return false;
}

} // namespace tarnwell
