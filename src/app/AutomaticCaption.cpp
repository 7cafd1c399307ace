#include "AutomaticCaption.h"

namespace tarnwell {

QString automaticCaption(bool automatic, int minutes)
{
    QString caption = QStringLiteral("Tarnwell");
    if (automatic) {
        caption += QStringLiteral(" - next e-mail check in ") + QString::number(minutes) + QStringLiteral(" minute");
        if (minutes != 1)
            caption += QLatin1Char('s');
    }
    return caption;
}

} // namespace tarnwell
